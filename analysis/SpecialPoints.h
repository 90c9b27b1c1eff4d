#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace orvex {

// y of a graph at x; false where the graph has no value. Arithmetic errors count as no value.
using GraphFunction = std::function<bool(double x, long double& y)>;

struct SpecialPoint {
    enum class Kind { Zero, Minimum, Maximum, Intersection };
    Kind kind;
    double x;
    long double y;  // 0 for a zero
    int other = -1; // index into `others` for an intersection
};

struct AnalysisRange {
    double xmin = -5, xmax = 5;
    int quality = 100; // samples per unit of x of the graph (at least this dense)
    int columns = 600; // pixel columns of the plot rectangle (at least one sample per column)
};

// The special points of f inside [xmin, xmax]: its zeros, minima and maxima, and its intersections with
// each of `others` (the zeros of f - g).
//
// How: f (and every other graph) is sampled once at max((xmax - xmin) * quality, columns) + 1 evenly
// spaced points, but at most max(20000, 16 * columns) + 1 and at most 100001: over a view so wide that a
// pixel column spans hundreds of samples of the quality, more samples show nothing more, and there they
// cost the most (-1E300..0). Long grids are sampled on all processors. Sign changes between neighbouring
// samples that have a value are refined with Brent's method; runs of falling-then-rising
// (rising-then-falling) samples with a golden-section search, which also handles kinks and cusps,
// followed by a cubic fit that places a smooth extremum far more precisely than comparing rounded values
// can. Refined points are rounded to the shortest decimal within their uncertainty (0 rather than 1E-17).
//
// "Zero within rounding": the evaluator keeps 15 digits per step, so a value is taken as zero when it
// is at most 1e-10 of the graph's typical magnitude around the point (the median |y| of the samples in
// the blocks of about one unit of x around it, never less than 0.01); values that close count as equal.
// - A sign change is a zero only if the refined value is zero within rounding: across a pole or a jump
//   the value does not shrink, and a bracket whose inside turns out to have no value (a gap) is dropped.
// - A minimum or maximum whose value is zero within rounding is listed as that extremum with y = 0 and
//   also as a zero (a touching zero); one that overshoots the axis between samples that do not, or
//   whose lowest (highest) sample lies exactly on it, gives the two zeros on either side of it
//   ((x-1)*(x-1.001) with a sample at 1).
// - An extremum needs values on both sides of it; the middle of a flat top or bottom is reported, and a
//   top whose middle has no value (the hole of sin(x)/x at 0) is not listed. A constant graph, or one
//   that is constant up to rounding (sin(x)^2+cos(x)^2), has no extrema. A cusp (sqrt(abs(x)) at 0) is
//   an extremum, a jump is not: the values close in on a cusp from both sides, however steeply.
// - Flat up to rounding is judged by the graph's own size, so the extrema of 0.000001*sin(x) are as
//   precise as those of sin(x); zero within rounding keeps its floor (below 1E-12 is zero).
// - A stretch where the graph is 0 (exactly, or up to rounding noise that keeps changing sign) gives a
//   zero at each end where the graph leaves the axis, none inside it. Roots closer than 1e-4 of the
//   sample step are one.
// - f - g is treated the same way, so identical graphs do not intersect; stretches where f - g comes
//   close to zero are refined too, which finds tangential intersections.
// At most 5000 points are looked for on each curve (f, and f - g for each other graph): its zeros from
// the left, then its extrema from the left. More features than that in view are far finer than the
// sampling (sin(100x) over -1000..1000) and would take seconds to refine.
// Not seen: two zeros, intersections or extrema within one sample of each other unless the samples show
// the dip between them; extrema next to a sample that has no value; zeros at the end of a domain
// (sqrt(2-x^2) at sqrt 2) unless a sample lands on them; values below 1E-12 as anything but zero
// (0.000001*(x-1)*(x-1.001) has one touching zero at 1.0005); the bottom of a root cusp that the 15
// digits of x miss (sqrt(abs(sin(x))) at pi: a minimum of 5.7E-8, no zero).
//
// Sorted by x (ties: zero, minimum, maximum, intersections by `other`). Stops early, returning what it
// has, when *cancel becomes true (the window cancels a search that a newer redraw made stale). An empty
// range (xmax <= xmin, or limits that are not finite) has no points.
[[nodiscard]] std::vector<SpecialPoint> FindSpecialPoints(const GraphFunction& f,
                                                          const std::vector<GraphFunction>& others,
                                                          const AnalysisRange& range,
                                                          const std::atomic<bool>* cancel = nullptr);

// A formula's y at x through the plot evaluator, prepared once with the decimal separator in force
// (arithmetic errors -> no value). The formula is cut to 50 characters like a graph's. The function may
// be called from several threads at once.
[[nodiscard]] GraphFunction FormulaFunction(std::string formula);

// A coordinate as the panel and orvex-cli write it: 12 significant digits, the separator in force.
[[nodiscard]] std::string PointText(long double v);

} // namespace orvex
