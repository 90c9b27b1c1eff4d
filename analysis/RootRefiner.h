#pragma once

#include "SpecialPoints.h"

#include <functional>
#include <optional>

namespace orvex::analysis {

// The end of a refined bracket that is nearer the root, its value, and the other end.
struct RefinedRoot {
    double x;
    long double y;
    double otherEnd;
};

// Refines a sign change of h between a and b (h(a) = fa and h(b) = fb non-zero with opposite signs) with
// Brent's method, until the bracket is within two units in the last place of x plus xTolerance, or h is
// exactly 0. A trial point without a value is replaced by the first of a few fixed points of the current
// bracket that has one; when none has, the sign change crosses a gap and there is no result. Whether the
// result is a root or a pole or jump is for the caller to judge from y.
[[nodiscard]] std::optional<RefinedRoot> RefineSignChange(const GraphFunction& h, double a, long double fa,
                                                          double b, long double fb, double xTolerance);

// Bisects between `outside` (inside(outside) false) and `insidePoint` (inside true) down to two units in
// the last place plus xTolerance. Returns the final inside end, or the shortest decimal of the final
// bracket when that is inside too.
[[nodiscard]] double RefineBoundary(const std::function<bool(double)>& inside, double outside,
                                    double insidePoint, double xTolerance);

} // namespace orvex::analysis
