#include "RootRefiner.h"

#include "ShortestDecimal.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

namespace orvex::analysis {

namespace {

// Both methods shrink the bracket by at least half every few steps; this only guards against a
// function that misbehaves (values changing between calls).
constexpr int kMaxIterations = 400;

// Where a trial point without a value is replaced, as fractions of the bracket.
constexpr std::array<double, 7> kProbes = {0.5, 0.25, 0.75, 0.125, 0.375, 0.625, 0.875};

double tolerance(double x, double xTolerance) {
    return 2 * DBL_EPSILON * std::fabs(x) + 0.5 * xTolerance;
}

// A point strictly between from and to that has a value, or false.
bool probe(const GraphFunction& h, double from, double to, double& x, long double& y) {
    for (const double fraction : kProbes) {
        const double t = from + (to - from) * fraction;
        if (t != from && t != to && h(t, y)) {
            x = t;
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<RefinedRoot> RefineSignChange(const GraphFunction& h, double a, long double fa, double b,
                                            long double fb, double xTolerance) {
    // b is the best point so far, c the other end of the bracket, a the previous b.
    double c = a;
    long double fc = fa;
    double d = b - a;
    double e = d;
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = tolerance(b, xTolerance);
        const double half = 0.5 * (c - b);
        if (std::fabs(half) <= tol || fb == 0)
            break;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            // Inverse quadratic interpolation, or the secant when only two points are known.
            const long double s = fb / fa;
            long double p = 0;
            long double q = 0;
            if (a == c) {
                p = 2 * half * s;
                q = 1 - s;
            } else {
                const long double qa = fa / fc;
                const long double r = fb / fc;
                p = s * (2 * half * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::min(3 * half * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = static_cast<double>(p / q);
            } else {
                d = e = half;
            }
        } else {
            d = e = half;
        }
        a = b;
        fa = fb;
        double next = b + (std::fabs(d) > tol ? d : std::copysign(tol, half));
        long double fnext = 0;
        if (!h(next, fnext)) {
            if (!probe(h, b, c, next, fnext))
                return std::nullopt;
            d = e = next - b;
        }
        b = next;
        fb = fnext;
    }
    return RefinedRoot{b, fb, c};
}

double RefineBoundary(const std::function<bool(double)>& inside, double outside, double insidePoint,
                      double xTolerance) {
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        const double mid = outside + (insidePoint - outside) / 2;
        if (mid == outside || mid == insidePoint ||
            std::fabs(insidePoint - outside) <= 2 * tolerance(insidePoint, xTolerance))
            break;
        (inside(mid) ? insidePoint : outside) = mid;
    }
    const double shortest = ShortestDecimal(std::min(outside, insidePoint), std::max(outside, insidePoint));
    return shortest != insidePoint && inside(shortest) ? shortest : insidePoint;
}

} // namespace orvex::analysis
