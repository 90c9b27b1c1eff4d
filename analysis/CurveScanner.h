#pragma once

#include "SampledCurve.h"
#include "SpecialPoints.h"

#include <atomic>
#include <cstddef>
#include <vector>

namespace orvex::analysis {

struct CurveExtremum {
    double x;
    long double y; // 0 when it is zero within rounding
    bool maximum;
};

// What a scan found: the roots of the function (sorted) and, when asked for, its extrema.
struct CurveFeatures {
    std::vector<double> roots;
    std::vector<CurveExtremum> extrema;
};

// Finds the roots and extrema of a sampled function h and refines them with h itself. For a graph, all
// extrema are refined and listed; for the difference of two graphs only the stretches that come close
// to zero are, to find where the graphs touch.
//
// Rounding: the evaluator keeps 15 digits per step, so a value carries noise of about 1e-15 of the
// terms it was computed from. A value counts as zero within rounding when it is at most kZeroShare of
// the function's typical magnitude around it (the median |h| of nearby samples, but at least
// kScaleFloor, since the terms of a formula that is zero everywhere, like sin(2x) - 2 sin x cos x,
// cannot be seen in its values). Values that close to each other count as equal when runs of rising
// and falling samples are formed, so that noise makes no extrema. A scan stops after 5000 points.
class CurveScanner {
  public:
    enum class Extrema { List, TouchingOnly };

    CurveScanner(const GraphFunction& h, const SampleGrid& grid, const SampledCurve& curve);

    [[nodiscard]] CurveFeatures scan(Extrema extrema, const std::atomic<bool>* cancel) const;

  private:
    // Neighbouring samples whose values stay within rounding of the first one: positions first..last
    // in valued_, the first value, and the position of the lowest and the highest value. Runs of one
    // piece lie between the same two samples without a value: an extremum needs values around it.
    struct Run {
        std::size_t first;
        std::size_t last;
        long double value;
        std::size_t lowest;
        std::size_t highest;
        std::size_t piece;
    };
    // Samples first..last (indices of the grid) that are zero within rounding and either exactly zero
    // or changing sign again and again: a stretch where h is 0, not a root.
    struct ZeroStretch {
        std::size_t first;
        std::size_t last;
        bool exact; // all exactly 0
    };

    void computeScales();
    void findZeroStretches();
    void zeros(CurveFeatures& out) const;
    void signChanges(CurveFeatures& out, const std::atomic<bool>* cancel) const;
    void extremum(const Run& before, const Run& run, const Run& after, bool maximum, Extrema extrema,
                  CurveFeatures& out) const;
    // Adds the root of a sign change between lo and hi if the refined value is zero within rounding
    // near sample `near`.
    void rootBetween(double lo, long double hlo, double hi, long double hhi, std::size_t near,
                     CurveFeatures& out) const;
    // Calls `visit` with each run in order, once it is complete.
    template <typename Visit> void forEachRun(const Visit& visit) const;
    [[nodiscard]] long double value(std::size_t i) const { return values_[i]; }
    [[nodiscard]] long double scale(std::size_t i) const { return blockScale_[i / block_]; }
    // The same without the floor.
    [[nodiscard]] long double ownScale(std::size_t i) const { return blockOwnScale_[i / block_]; }
    [[nodiscard]] long double tolerance(std::size_t i) const;
    [[nodiscard]] std::vector<double> mergedRoots(std::vector<double> roots) const;
    [[nodiscard]] bool inZeroStretch(std::size_t i) const;

    const GraphFunction& h_;
    const SampleGrid& grid_;
    const SampledCurve& curve_;
    std::vector<std::size_t> valued_;        // the samples that have a value, in order
    const long double* values_;              // the sampled values, zero stretches set to exactly 0
    std::vector<long double> zeroed_;        // a copy of the values when there are zero stretches
    std::size_t block_ = 1;                  // samples per block of the magnitude
    std::vector<long double> blockScale_;    // the magnitude of h around each block, at least kScaleFloor
    std::vector<long double> blockOwnScale_; // the same without the floor
    std::vector<ZeroStretch> stretches_;
};

} // namespace orvex::analysis
