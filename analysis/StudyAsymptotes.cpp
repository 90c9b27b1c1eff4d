#include "StudyAsymptotes.h"

#include "ShortestDecimal.h"

#include <algorithm>
#include <cmath>

namespace orvex::study {

namespace {

constexpr int kMaxHalvings = 200;
constexpr std::size_t kMinApproach = 4;
constexpr long double kLogRise = 0.97L; // a logarithm rises by the same step at each halving
constexpr long double kFlatShare = 1e-9L;

constexpr int kSlantPoints = 16;
constexpr std::size_t kMinSecants = 8;
constexpr long double kSlantFactor = 4;
constexpr long double kLargestX = 1e300L;
// The evaluator keeps 15 digits per step: the rounding of f(X), with some margin.
constexpr long double kRounding = 1e-14L;
constexpr long double kSettledShare = 1e-3L;
constexpr long double kSteadyRatio = 0.8L;
constexpr long double kRatioSpread = 0.25L;

int signOf(long double v) {
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

bool risesLikeALogarithm(const std::vector<long double>& a, std::size_t top) {
    std::size_t run = 0; // rises in a row, each at least kLogRise of the one before
    for (std::size_t k = 2; k <= top; ++k) {
        const long double rise = a[k] - a[k - 1];
        const long double before = a[k - 1] - a[k - 2];
        run = rise >= kLogRise * before ? run + 1 : 0;
        if (run >= 3) // four rises
            return true;
    }
    return false;
}

long double spread(const std::vector<long double>& v, std::size_t from, std::size_t to) {
    const auto [lo, hi] = std::minmax_element(v.begin() + static_cast<std::ptrdiff_t>(from),
                                              v.begin() + static_cast<std::ptrdiff_t>(to));
    return *hi - *lo;
}

// The limit of a sequence of estimates, when it settles; `noise` is the rounding of each.
bool settle(const std::vector<long double>& v, const std::vector<long double>& noise, std::size_t n,
            long double& limit) {
    const long double last = spread(v, n - 4, n);
    const long double before = spread(v, n - 8, n - 4);
    const long double rounding = 4 * *std::max_element(noise.begin() + static_cast<std::ptrdiff_t>(n - 4),
                                                       noise.begin() + static_cast<std::ptrdiff_t>(n));
    if (!(last <= std::max(before / 4, rounding)))
        return false;
    long double value = v[n - 1];
    long double error = 2 * last + rounding;
    // Estimates that approach their limit geometrically (b - 1/X for arctg) are carried to it (Aitken);
    // the next-to-last such extrapolation tells how far off it may be.
    const long double d1 = v[n - 1] - v[n - 2];
    const long double d2 = v[n - 2] - v[n - 3];
    const long double d3 = v[n - 3] - v[n - 4];
    if (d2 != 0 && d3 != 0) {
        const long double r1 = d1 / d2;
        const long double r2 = d2 / d3;
        if (r1 > 0 && r2 > 0 && r1 <= kSteadyRatio && r2 <= kSteadyRatio &&
            std::fabs(r1 - r2) <= kRatioSpread * std::max(r1, r2)) {
            const long double a1 = v[n - 1] + d1 * r1 / (1 - r1);
            const long double a2 = v[n - 2] + d2 * r2 / (1 - r2);
            value = a1;
            error = std::fabs(a1 - a2) + rounding;
        }
    }
    if (!(error <= kSettledShare * std::max(1.0L, std::fabs(value))))
        return false;
    limit = analysis::ShortestDecimal(static_cast<double>(value - error), static_cast<double>(value + error));
    return true;
}

} // namespace

Approach ApproachPoint(const GraphFunction& f, const StudyGrid& grid, double singular, int side,
                       long double reach, long double typical, StudyBudget& budget) {
    Approach out;
    double previous = singular + side * static_cast<double>(reach) * 2;
    for (int k = 0; k < kMaxHalvings && budget.spend(); ++k) {
        const auto x = static_cast<double>(singular + side * std::ldexp(reach, -k));
        if (!(side * (static_cast<long double>(x) - singular) > 0) || x == previous ||
            std::fabs(static_cast<long double>(x) - singular) < grid.tolerance(singular) / 16)
            break;
        previous = x;
        long double y = 0;
        if (!f(x, y))
            break;
        out.values.push_back(y);
    }
    const long double huge = kHuge * typical;
    for (const long double y : out.values) {
        out.aboveBound = out.aboveBound || y >= huge;
        out.belowBound = out.belowBound || y <= -huge;
    }
    const std::size_t n = out.values.size();
    if (n < kMinApproach)
        return out;
    std::vector<long double> a(n);
    for (std::size_t k = 0; k < n; ++k)
        a[k] = std::fabs(out.values[k]);
    const auto top = static_cast<std::size_t>(std::max_element(a.begin(), a.end()) - a.begin());
    const int sign = signOf(out.values[0]);
    bool steady = top + 1 >= kMinApproach && sign != 0;
    for (std::size_t k = 1; k <= top && steady; ++k)
        steady = a[k] > a[k - 1] && signOf(out.values[k]) == sign;
    for (std::size_t k = top + 1; k < n && steady; ++k)
        steady = a[k] >= a[top] * (1 - kFlatShare);
    if (!steady)
        return out;
    out.grows = risesLikeALogarithm(a, top) || a[top] >= huge;
    out.sign = out.grows ? sign : 0;
    return out;
}

SlantAsymptote EstimateSlant(const GraphFunction& f, int direction, long double start,
                             const std::atomic<bool>* cancel) {
    SlantAsymptote out;
    std::vector<long double> xs;
    std::vector<long double> ys;
    long double x = direction * start;
    for (int j = 0; j < kSlantPoints && std::fabs(x) <= kLargestX; ++j, x *= kSlantFactor) {
        if (Stopped(cancel))
            return out;
        long double y = 0;
        if (!f(static_cast<double>(x), y)) {
            if (j == 0)
                out.state = SlantAsymptote::State::NoValues;
            return out;
        }
        xs.push_back(static_cast<double>(x));
        ys.push_back(y);
    }
    if (xs.size() < kMinSecants + 1)
        return out;
    // Secants between neighbouring X give k without the b/X that f(X)/X carries, and b from them.
    const std::size_t n = xs.size() - 1;
    std::vector<long double> k(n);
    std::vector<long double> b(n);
    std::vector<long double> noiseK(n);
    std::vector<long double> noiseB(n);
    for (std::size_t j = 0; j < n; ++j) {
        const long double dx = xs[j + 1] - xs[j];
        k[j] = (ys[j + 1] - ys[j]) / dx;
        b[j] = ys[j + 1] - k[j] * xs[j + 1];
        noiseK[j] = kRounding * (std::fabs(ys[j]) + std::fabs(ys[j + 1])) / std::fabs(dx);
        noiseB[j] = kRounding * (std::fabs(ys[j + 1]) + std::fabs(k[j] * xs[j + 1])) +
                    noiseK[j] * std::fabs(xs[j + 1]);
    }
    // The rounding of f grows with X: when it hides the settling at the farthest points, the nearer ones
    // may still show it.
    long double slope = 0;
    long double intercept = 0;
    bool settled = false;
    for (std::size_t m = n; m >= kMinSecants && !settled; --m)
        settled = settle(k, noiseK, m, slope) && settle(b, noiseB, m, intercept);
    if (!settled)
        return out;
    out.state = SlantAsymptote::State::Found;
    out.k = slope;
    out.b = intercept;
    return out;
}

} // namespace orvex::study
