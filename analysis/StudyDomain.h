#pragma once

#include "FormulaGuards.h"
#include "SpecialPoints.h"
#include "StudyBudget.h"
#include "StudySamples.h"

#include <atomic>
#include <cstddef>
#include <vector>

namespace orvex::study {

// One interval of the domain. `from` and `to` have values: they are the range's ends or the points with a
// value closest to a gap (refined by bisection). The grid samples first..last lie inside it.
struct DomainPiece {
    double from = 0;
    double to = 0;
    // The ends as the study gives them: the point without value beyond the end, or RoundedBorder.
    double shownFrom = 0;
    double shownTo = 0;
    std::size_t first = 1;
    std::size_t last = 0; // first > last: no sample inside
    bool fromGap = false; // `from` borders a gap (rather than the range's start)
    bool toGap = false;
};

// A border of the domain inside the range: the valued end `edge` of a piece, the side the piece lies on
// (+1: to the right of the border), and where the value is lost: the point without value, the zero of a
// divisor or argument in the gap next to it, or the edge itself.
struct DomainBorder {
    double edge = 0;
    double singular = 0;
    int side = 1;
};

struct Domain {
    std::vector<DomainPiece> pieces;
    std::vector<double> points; // isolated points without value, each between two pieces
    std::vector<DomainBorder> borders;
    std::vector<double> guardZeros; // zeros of the formula's divisors and arguments, sorted
    bool holesSearched = false;     // the formula is compiled and all its guards were searched in time
};

// The domain of f over the grid's range from its samples. `zeros` are the zeros the special-points search
// found (a sign change at one of them is no gap).
[[nodiscard]] Domain FindDomain(const GraphFunction& f, const StudyGrid& grid, const Samples& samples,
                                const FormulaGuards& guards, const AnalysisRange& range,
                                const std::vector<double>& zeros, StudyBudget& budget,
                                const std::atomic<bool>* cancel);

// A border of the domain at `edge` as the study gives it: rounded to the shortest decimal within
// 2E-10 max(1, |edge|) (the evaluator loses values within 1E-10 of a zero divisor or of 0 under ln, so
// finer digits say nothing about the formula), or within 1E-7 of a narrow range.
[[nodiscard]] double RoundedBorder(const StudyGrid& grid, double edge);

// Between a point `valued` where f has a value and `missing` where it has none, the point with a value
// closest to the border between them.
[[nodiscard]] double ValuedEdge(const GraphFunction& f, const StudyGrid& grid, double valued, double missing,
                                StudyBudget& budget);

} // namespace orvex::study
