#pragma once

#include "FunctionStudy.h"
#include "SpecialPoints.h"
#include "StudyBudget.h"
#include "StudySamples.h"

#include <atomic>
#include <vector>

namespace orvex::study {

// How f behaves as x approaches a point from one side.
struct Approach {
    bool grows = false;              // |f| grows without bound: a vertical asymptote from this side
    int sign = 0;                    // the sign of f there when it grows
    bool aboveBound = false;         // f reached beyond kHuge times its typical size, upwards
    bool belowBound = false;         // ... downwards
    std::vector<long double> values; // the values met on the way, nearest last
};

// |f| this many times its typical size can only come from a division by a number near the evaluator's
// 1E-10 or from growth beyond bound.
inline constexpr long double kHuge = 1e8L;

// Looks at f at singular + side * reach / 2^k, k = 0, 1, ... until f has no value there or x cannot come
// closer. It grows without bound when |f| rises all the way (or stays flat at the end, where the
// evaluator's rounding stops it), with one sign, and either rises at least as fast as a logarithm over
// four halvings in a row (each rise at least 0.97 of the one before) or ends beyond kHuge * typical.
// `reach` must keep the first point on the side of the valued piece, before any zero or extremum of f.
[[nodiscard]] Approach ApproachPoint(const GraphFunction& f, const StudyGrid& grid, double singular, int side,
                                     long double reach, long double typical, StudyBudget& budget);

// The slant (or horizontal) asymptote towards +inf (direction +1) or -inf, from f at
// X_j = direction * start * 4^j, j = 0..15 (fewer when X leaves the double range): k_j is the secant
// slope between X_j and X_j+1 and b_j = f(X_j+1) - k_j X_j+1. Each settles when the spread of its last
// four estimates is at most a quarter of the spread of the four before, or within their rounding, and
// small against the value; it is then rounded to the shortest decimal within twice that spread.
[[nodiscard]] SlantAsymptote EstimateSlant(const GraphFunction& f, int direction, long double start,
                                           const std::atomic<bool>* cancel);

} // namespace orvex::study
