#include "CubicFit.h"

#include <cmath>
#include <utility>

namespace orvex::analysis {

namespace {

constexpr int kTerms = 4;
constexpr int kPoints = 9;

long double uAt(int k) {
    return (k - 4) / 2.0L;
}

// Solves the normal equations by Gaussian elimination with partial pivoting; false when singular.
bool solve(std::array<std::array<long double, kTerms + 1>, kTerms>& m, std::array<long double, kTerms>& c) {
    for (int col = 0; col < kTerms; ++col) {
        int pivot = col;
        for (int row = col + 1; row < kTerms; ++row)
            if (std::fabs(m[row][col]) > std::fabs(m[pivot][col]))
                pivot = row;
        if (m[pivot][col] == 0)
            return false;
        std::swap(m[col], m[pivot]);
        for (int row = col + 1; row < kTerms; ++row) {
            const long double factor = m[row][col] / m[col][col];
            for (int k = col; k <= kTerms; ++k)
                m[row][k] -= factor * m[col][k];
        }
    }
    for (int row = kTerms - 1; row >= 0; --row) {
        long double sum = m[row][kTerms];
        for (int k = row + 1; k < kTerms; ++k)
            sum -= m[row][k] * c[k];
        c[row] = sum / m[row][row];
    }
    return true;
}

} // namespace

std::optional<FittedExtremum> FitCubicExtremum(const FitValues& values) {
    std::array<std::array<long double, kTerms + 1>, kTerms> normal{};
    for (int k = 0; k < kPoints; ++k) {
        const long double u = uAt(k);
        const std::array<long double, kTerms> powers = {1, u, u * u, u * u * u};
        for (int i = 0; i < kTerms; ++i) {
            for (int j = 0; j < kTerms; ++j)
                normal[i][j] += powers[i] * powers[j];
            normal[i][kTerms] += powers[i] * values[k];
        }
    }
    std::array<long double, kTerms> c{};
    if (!solve(normal, c) || c[2] == 0)
        return std::nullopt;

    // Slope c1 + 2 c2 u + 3 c3 u^2 = 0, the root nearer 0 in the form that does not cancel.
    const long double discriminant = c[2] * c[2] - 3 * c[1] * c[3];
    if (discriminant < 0)
        return std::nullopt;
    const long double u = -c[1] / (c[2] + std::copysign(std::sqrt(discriminant), c[2]));
    if (!(std::fabs(u) <= 1))
        return std::nullopt;

    long double squares = 0;
    for (int k = 0; k < kPoints; ++k) {
        const long double x = uAt(k);
        const long double r = values[k] - (c[0] + x * (c[1] + x * (c[2] + x * c[3])));
        squares += r * r;
    }
    const long double scatter = std::sqrt(squares / (kPoints - kTerms));
    // The slope at u = 0 is known to about scatter / sqrt(sum of u^2) = scatter / sqrt(15); a slope error
    // moves the root by that over the curvature 2 c2. Tripled for the correlation with the cubic term.
    return FittedExtremum{u, 3 * scatter / (std::sqrt(15.0L) * 2 * std::fabs(c[2]))};
}

} // namespace orvex::analysis
