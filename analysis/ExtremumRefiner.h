#pragma once

#include "SpecialPoints.h"

#include <optional>

namespace orvex::analysis {

struct RefinedExtremum {
    double x;
    long double y;    // h(x)
    long double step; // how far h at the ends of the final, tiny search bracket lies from the best value
};

// Three points lo < mid < hi.
struct Bracket {
    double lo;
    double mid;
    double hi;
};

struct Interval {
    double lo;
    double hi;
};

// Refines a minimum (maximum when `maximum`) of h bracketed by three points where h(mid) = hmid is lower
// (higher) than at both ends; `range` bounds the search for the flat stretch around it.
//
// A golden-section search closes in on the best value; it needs no derivative, so a kink converges like
// a smooth extremum. A trial point without a value counts as worse than any value. The evaluator rounds
// every step, so near a smooth extremum its values are flat up to noise and the search stops anywhere in
// that flat zone. So the stretch where h lies within `flatness` of the best value is found on both sides;
// when h grows quadratically away from the best point, a cubic fitted around the stretch gives the
// extremum; when it grows linearly (a kink), the search's own point is it; on a flat top (x^4, a
// plateau) the middle of the stretch is, unless the search's point is clearly the lowest. The result
// is rounded to the shortest decimal within its uncertainty.
//
// No result when the search ends next to a point without a value (a pole or the edge of a gap) or the
// middle has no value (a hole). A large `step` means that h jumps there: the search closed in on a
// discontinuity, not on an extremum.
[[nodiscard]] std::optional<RefinedExtremum> RefineExtremum(const GraphFunction& h, bool maximum,
                                                            const Bracket& bracket, long double hmid,
                                                            const Interval& range, double xTolerance,
                                                            long double flatness);

// True when h's values close in on y as x is approached from both sides: at distances shrinking from
// `reach` by a hundred at each step (while they stay a thousand times above `xTolerance`), the largest
// departure from y shrinks at every step, by at least a third. A cusp (sqrt(abs(x)) at 0, abs(x)^0.2)
// does, however steeply; at a jump the departure levels off at the height of the jump. A point without
// a value on the way is no approach.
[[nodiscard]] bool ApproachesAt(const GraphFunction& h, double x, long double y, double reach,
                                double xTolerance);

} // namespace orvex::analysis
