#pragma once

#include "SpecialPoints.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace orvex {

// An interval of x found by a study. `fromIncluded` / `toIncluded`: the end belongs to it (the graph has
// a value there, and for the sign intervals the value has that sign).
struct StudyInterval {
    double from = 0;
    double to = 0;
    bool fromIncluded = true;
    bool toIncluded = true;
    bool operator==(const StudyInterval&) const = default;
};

struct StudyPoint {
    double x = 0;
    long double y = 0;
};

// f' or f'' of the graph: the differentiation component's text, or its message when it gave none, and
// whether the values come from that text (symbolic) or from differences of the graph's values.
struct StudyDerivative {
    std::string text;  // Windows-1251
    std::string error; // empty when `text` is the component's result
    bool symbolic = false;
};

// A vertical asymptote: |f| grows without bound as x approaches `x` from the left and/or the right;
// the signs say towards which infinity (+1 or -1, 0 on a side without growth).
struct VerticalAsymptote {
    double x = 0;
    int left = 0;
    int right = 0;
};

// y = kx + b towards +inf or -inf.
struct SlantAsymptote {
    enum class State {
        Found,
        NotFound, // the estimates of k or b do not settle (x*sin(x), sqrt(x), ln(x))
        NoValues, // the graph has no value at some of the x looked at (ln(x) towards -inf)
    };
    State state = State::NotFound;
    long double k = 0;
    long double b = 0;
};

enum class Parity {
    Even,
    Odd,
    EvenAndOdd, // 0 on the whole symmetric part
    Neither,
    NotChecked, // the range has no part symmetric about 0, or no value on it
};

// The whole study of a graph y = f(x) over [xmin, xmax], in the order it is taught:
struct FunctionStudy {
    AnalysisRange range;
    bool complete = false; // false when it was cancelled (the rest is partial)
    // The zeros of the formula's divisors and function arguments were searched for holes. Not for a
    // formula evaluated as text, nor when that search ran out of its time (a range like 1E300): then
    // only the holes that samples land on, or that a change of sign or a sharp peak betrays, are seen.
    bool holesSearched = false;
    // The evaluator reads only the start of a long formula (see FormulaAsRead): then `readFormula` is
    // that start, which is what is studied and differentiated.
    bool formulaCut = false;
    std::string readFormula;
    // False when the range held more features than the refinements may spend evaluations on: the rest
    // stay where their samples put them.
    bool refinedFully = true;

    // 1. Область определения: the intervals where f has a value, and the points between two of them
    // where it has none.
    std::vector<StudyInterval> domain;
    std::vector<double> noValue;

    // 2. Чётность on [-symmetricHalf, symmetricHalf].
    Parity parity = Parity::NotChecked;
    double symmetricHalf = 0;
    int parityChecks = 0;     // pairs x, -x compared
    double parityWitness = 0; // for Neither: an x where f(-x) is neither f(x) nor -f(x), or has no value
                              // while f(x) has one (or the other way round)

    // 3. Intersections with the axes.
    bool zeroInRange = false;
    std::optional<long double> yIntercept;
    std::vector<double> zeros;

    // 4. Знакопостоянство; `zeroStretches` where f is 0 on a whole interval.
    std::vector<StudyInterval> positive;
    std::vector<StudyInterval> negative;
    std::vector<StudyInterval> zeroStretches;

    // 5. f', monotonicity and extrema.
    StudyDerivative first;
    std::vector<StudyInterval> increasing;
    std::vector<StudyInterval> decreasing;
    std::vector<StudyInterval> constant;
    std::vector<StudyPoint> minima;
    std::vector<StudyPoint> maxima;

    // 6. f'', convexity and inflection points. "Convex down" (выпукла вниз) is f'' > 0.
    StudyDerivative second;
    std::vector<StudyInterval> convexDown;
    std::vector<StudyInterval> convexUp;
    std::vector<StudyInterval> straight; // f'' = 0 on a whole interval
    std::vector<StudyPoint> inflections;

    // 7. Asymptotes.
    std::vector<VerticalAsymptote> verticals;
    SlantAsymptote towardsPlus;
    SlantAsymptote towardsMinus;

    // 8. Множество значений on the range: the least and the greatest value found, and whether f grows
    // without bound below or above.
    bool hasValues = false;
    long double least = 0;
    long double greatest = 0;
    bool unboundedBelow = false;
    bool unboundedAbove = false;
};

// Studies the graph of `formula` (Windows-1251, read like a graph's: its first 50 characters) over
// range.xmin..range.xmax, sampled at least range.quality times per unit and once per range.columns, at
// most 10001 times. Bounded in time and memory whatever the range: the graph and its derivatives are
// sampled once, the refinements of points share a budget of evaluations (StudyBudget) and the search
// for holes has one of its own; the special-points search of the graph is bounded as it documents.
// Stops early, returning what it has with `complete` false, when *cancel becomes true.
//
// How each item is found, and what it cannot see:
// - Domain: the samples that have a value, their borders refined by bisection, and the holes between
//   samples: where a divisor or function argument of the formula is 0 (FormulaGuards), where f changes
//   sign without a zero, and at the top of a sharp peak of |f|. Ends are given to about 1E-10 (the
//   evaluator has no value within 1E-10 of a zero divisor or of 0 under ln); a gap narrower than 1E-6 of
//   the range counts as a point, and so does one narrower than 1E-3 of it around a zero of a divisor or
//   argument (1/x^2 has no value where x^2 < 1E-10).
// - Parity: f(-x) against f(x) at evenly spaced pairs, to 1E-10 of the values.
// - Zeros, minima and maxima: FindSpecialPoints, with its limits.
// - Signs of f, f' and f'': the signs at the samples between the points found; a change of sign is
//   located by bisection. f' and f'' that are 0 on a whole interval (up to their rounding) give constant
//   and straight stretches; an isolated zero that does not change the sign does not split an interval.
// - Inflection points: where f'' changes sign, f has a value and f' is continuous (a kink is none).
// - Vertical asymptotes: at the borders of the domain and the points without value, where |f| grows
//   steadily towards the point, at least as fast as a logarithm, or to beyond 1E8 times its typical size.
//   Growth that oscillates is no asymptote (the range is still unbounded).
// - Slant asymptotes: k and b from secants of f at x = ±1.27 max(1, |xmin|, |xmax|) 4^j, j = 0..15;
//   found when the spread of the last four estimates has shrunk to a quarter of that of the four before
//   (or to rounding), which a logarithm or an oscillation never does.
// - Range: the least and greatest of the sampled values, the extrema and the values at the ends; a
//   vertical asymptote or unbounded growth makes it unbounded on that side.
[[nodiscard]] FunctionStudy StudyFunction(const std::string& formula, const AnalysisRange& range,
                                          const std::atomic<bool>* cancel = nullptr);

} // namespace orvex
