#include "ExtremumRefiner.h"

#include "CubicFit.h"
#include "RootRefiner.h"
#include "ShortestDecimal.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace orvex::analysis {

namespace {

constexpr int kMaxIterations = 400;
constexpr double kGolden = 0.3819660112501051; // (3 - sqrt 5) / 2
// Shares of the rise halfway to the end of the flat stretch that tell the shapes apart (see shapeOf):
// 1/2 for a kink, 1/4 for a smooth extremum, 1/16 for x^4.
constexpr long double kKinkShare = 0.375L;
constexpr long double kSmoothShare = 0.15L;
// The fitted values reach this many half-widths of the flat stretch on each side of it (times 2).
constexpr double kFitReach = 3;
// The steps at which resolved() looks, relative to x: above the 15-digit rounding of x.
constexpr double kResolution = 1e-13;
constexpr int kResolutionSteps = 5;
// The middle of a flat top is known to about this share of its width.
constexpr double kMiddleUncertainty = 1e-6;
// ApproachesAt: the distances shrink by this factor at each step, the departures by at least the other,
// over at least kApproachSteps steps, down to kApproachFloor times the x resolution.
constexpr double kApproachShrink = 100;
constexpr long double kApproachRatio = 2.0L / 3;
constexpr int kApproachSteps = 3;
constexpr double kApproachFloor = 1000;

// h turned so that the search always minimises; no value is +infinity.
class Objective {
  public:
    Objective(const GraphFunction& h, bool maximum) : h_(h), sign_(maximum ? -1 : 1) {}

    [[nodiscard]] long double operator()(double x) const {
        long double y = 0;
        return h_(x, y) ? sign_ * y : std::numeric_limits<long double>::infinity();
    }
    [[nodiscard]] long double value(long double objective) const { return sign_ * objective; }

  private:
    const GraphFunction& h_;
    long double sign_;
};

struct Search {
    double x;
    long double fx;
    long double step;
};

// Golden-section search on the bracket; no result when an end of the final bracket has no value.
std::optional<Search> goldenSection(const Objective& phi, double a, double x, long double fx, double b,
                                    double xTolerance) {
    long double fa = phi(a);
    long double fb = phi(b);
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        if (b - a <= 2 * (2 * DBL_EPSILON * std::fabs(x) + xTolerance))
            break;
        const double u = x - a > b - x ? x - kGolden * (x - a) : x + kGolden * (b - x);
        if (u == x || u == a || u == b)
            break;
        const long double fu = phi(u);
        if (fu < fx) {
            (u < x ? b : a) = x;
            (u < x ? fb : fa) = fx;
            x = u;
            fx = fu;
        } else {
            (u < x ? a : b) = u;
            (u < x ? fa : fb) = fu;
        }
    }
    if (!std::isfinite(fa) || !std::isfinite(fb))
        return std::nullopt;
    return Search{x, fx, std::max(fa - fx, fb - fx)};
}

// The end of the stretch around `best` where `flat` holds, towards `start` and beyond it as far as
// `limit`: a very flat extremum (x^6) is flat beyond its neighbouring samples.
template <typename Flat>
double stretchEnd(const Flat& flat, double best, double start, double limit, double xTolerance) {
    double outside = start;
    for (double reach = start - best; flat(outside); reach *= 2) {
        if (outside == limit)
            return limit;
        outside = std::fabs(reach * 2) >= std::fabs(limit - best) ? limit : best + reach * 2;
    }
    return RefineBoundary(flat, outside, best, xTolerance);
}

enum class Shape { Kink, Smooth, Flat };

// How phi rises from the best point to the ends of the flat stretch: halfway there, by about half the
// rise at the end for a kink (linear), a quarter for a smooth extremum (quadratic), and much less on a
// flat top (a plateau, or x^4 and flatter).
Shape shapeOf(const Objective& phi, double best, long double fbest, double left, double right) {
    const auto share = [&](double edge) {
        const long double rise = phi(edge) - fbest;
        return rise > 0 ? (phi(best + (edge - best) / 2) - fbest) / rise : 0.0L;
    };
    const long double l = share(left);
    const long double r = share(right);
    if (std::max(l, r) > kKinkShare)
        return Shape::Kink;
    return std::min(l, r) >= kSmoothShare ? Shape::Smooth : Shape::Flat;
}

// True when phi rises strictly at each of a few steps away from the search's point on both sides: the
// search has found the extremum itself, not just some point of a stretch that is flat up to rounding
// (noise on a plateau is rarely monotone at five points on either side).
bool resolved(const Objective& phi, double x, long double fx, double step) {
    for (const double direction : {-1.0, 1.0}) {
        long double previous = fx;
        for (int k = 1; k <= kResolutionSteps; ++k) {
            const long double v = phi(x + direction * k * step);
            if (!(v > previous))
                return false;
            previous = v;
        }
    }
    return true;
}

struct Estimate {
    double x;
    long double uncertainty;
};

// A smooth extremum: the stationary point of a cubic fitted to values over three times the stretch
// [left, right] on each side (there the values rise by some 36 times the flatness, far above their noise).
std::optional<Estimate> fitted(const Objective& phi, double left, double right, long double fx) {
    const double centre = left + (right - left) / 2;
    const double half = kFitReach * (right - left) / 2;
    FitValues values{};
    for (std::size_t k = 0; k < values.size(); ++k) {
        const long double v = phi(centre + half * (static_cast<double>(k) - 4) / 2);
        if (!std::isfinite(v))
            return std::nullopt;
        values[k] = v - fx;
    }
    const auto fit = FitCubicExtremum(values);
    if (!fit)
        return std::nullopt;
    return Estimate{centre + static_cast<double>(fit->u) * half, half * fit->uncertainty};
}

} // namespace

std::optional<RefinedExtremum> RefineExtremum(const GraphFunction& h, bool maximum, const Bracket& bracket,
                                              long double hmid, const Interval& range, double xTolerance,
                                              long double flatness) {
    const Objective phi(h, maximum);
    const auto search =
        goldenSection(phi, bracket.lo, bracket.mid, maximum ? -hmid : hmid, bracket.hi, xTolerance);
    if (!search)
        return std::nullopt;
    const double x = search->x;
    const long double fx = search->fx;

    // Points without a value count as part of the stretch, so that a hole in it is found.
    const auto flat = [&](double t) { return !(phi(t) > fx + flatness); };
    const double left = stretchEnd(flat, x, bracket.lo, range.lo, xTolerance);
    const double right = stretchEnd(flat, x, bracket.hi, range.hi, xTolerance);
    const double middle = left + (right - left) / 2;
    const long double fmiddle = phi(middle);
    if (!std::isfinite(fmiddle))
        return std::nullopt;

    double best = x;
    long double uncertainty = 0;
    switch (shapeOf(phi, x, fx, left, right)) {
    case Shape::Kink:
        break;
    case Shape::Smooth:
        if (const auto fit = fitted(phi, left, right, fx)) {
            best = fit->x;
            uncertainty = fit->uncertainty;
            break;
        }
        [[fallthrough]];
    case Shape::Flat:
        if (resolved(phi, x, fx, std::max(kResolution * std::fabs(x), xTolerance)))
            break;
        if (fmiddle <= fx + flatness) { // else the stretch is not one piece: keep the search's point
            best = middle;
            uncertainty = kMiddleUncertainty * (right - left);
        }
        break;
    }
    const long double fbest = phi(best);
    if (!std::isfinite(fbest))
        return std::nullopt;
    const double reach = xTolerance + static_cast<double>(uncertainty);
    const double shortest = ShortestDecimal(best - reach, best + reach);
    const long double fshortest = phi(shortest);
    if (fshortest <= fbest || (best != x && fshortest <= fx + flatness))
        return RefinedExtremum{shortest, phi.value(fshortest), search->step};
    return RefinedExtremum{best, phi.value(fbest), search->step};
}

bool ApproachesAt(const GraphFunction& h, double x, long double y, double reach, double xTolerance) {
    const double resolution = kApproachFloor * (2 * DBL_EPSILON * std::fabs(x) + xTolerance);
    long double previous = std::numeric_limits<long double>::infinity();
    int steps = 0;
    for (double w = reach; w >= resolution; w /= kApproachShrink, ++steps) {
        long double departure = 0;
        for (const double t : {x - w, x + w}) {
            long double v = 0;
            if (!h(t, v))
                return false;
            departure = std::max(departure, std::fabs(v - y));
        }
        if (!(departure <= kApproachRatio * previous))
            return false;
        previous = departure;
    }
    return steps >= kApproachSteps;
}

} // namespace orvex::analysis
