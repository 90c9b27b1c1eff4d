#pragma once

#include "SpecialPoints.h"
#include "StudyBudget.h"
#include "StudyDomain.h"
#include "StudySamples.h"

#include <atomic>
#include <vector>

namespace orvex::study {

// An interval of a domain piece where g keeps one sign: +1, -1, or 0 where g is 0 on the whole stretch
// (up to rounding).
struct SignCell {
    double from = 0;
    double to = 0;
    int sign = 0;
};

// A place where g goes from one sign to the other (not through a stretch of 0).
struct SignChange {
    double x = 0;
    int before = 0;
    int after = 0;
    double uncertainty = 0; // how far from x the change may lie
};

// A function with its samples on the grid and, for each sample, the size up to which its value is 0
// within rounding.
struct SampledSign {
    const GraphFunction* g = nullptr;
    const Samples* samples = nullptr;
    std::vector<long double> tolerance;
    // The share of the tolerance that the values' rounding is: a located change of sign is given to the
    // digits that rounding leaves.
    long double roundingShare = 0.01L;
    // For a derivative from differences, their step relative to max(1, |x|): it blurs where a stretch of
    // 0 begins (the differences reach across the border).
    long double stepShare = 0;
    StudyBudget* budget = nullptr; // the refinements' evaluations, when limited
    std::size_t evaluationsPerCall = 1;
};

// Splits a domain piece into the cells where g keeps its sign, from g's samples inside the piece.
//
// - A sample counts by its sign, however small: x^10 is positive on both sides of 0.
// - Samples within rounding of 0 form a stretch of 0 when there are at least three of them and they are
//   exactly 0 or change sign again and again (rounding noise); a single zero or a zero that the sign
//   passes through does not split the piece.
// - A change of sign between samples is located by bisection on the sign of g, and a border of a stretch
//   by bisection on |g| against its tolerance. When one of `snaps` (points already found precisely: the
//   zeros of f, its extrema) lies between the two samples, it is the place.
// Empty when g has no value at the piece's samples. Changes of sign go to `changes` when given.
[[nodiscard]] std::vector<SignCell> SignCells(const SampledSign& g, const StudyGrid& grid,
                                              const DomainPiece& piece, const std::vector<double>& snaps,
                                              std::vector<SignChange>* changes,
                                              const std::atomic<bool>* cancel);

} // namespace orvex::study
