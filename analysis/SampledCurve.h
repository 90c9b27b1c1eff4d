#pragma once

#include "SpecialPoints.h"

#include <atomic>
#include <cstddef>
#include <vector>

namespace orvex::analysis {

// The evenly spaced x at which every graph of one search is sampled.
class SampleGrid {
  public:
    // At most this many intervals, however wide the range or high the quality: the same bound as a
    // drawing pass, still many samples per pixel column of any picture.
    static constexpr std::size_t kMaxIntervals = 100000;
    // Below that, the quality sets the density up to kDenseIntervals or kSamplesPerColumn a pixel column,
    // whichever is more: over a view so wide that a pixel column spans many samples of the quality, more
    // samples find nothing more that a picture can show, and they cost the most where each evaluation is
    // slowest (the evaluator writes numbers beyond 2^60 as text: a hundred times the usual cost).
    static constexpr std::size_t kDenseIntervals = 20000;
    static constexpr std::size_t kSamplesPerColumn = 16;

    explicit SampleGrid(const AnalysisRange& range);

    [[nodiscard]] bool empty() const { return xs_.size() < 2; }
    [[nodiscard]] std::size_t size() const { return xs_.size(); }
    [[nodiscard]] double operator[](std::size_t i) const { return xs_[i]; }
    // The distance of neighbouring samples.
    [[nodiscard]] double step() const { return step_; }
    // The absolute resolution of a refined x: below it, refinement stops and x may be rounded to a
    // shorter decimal. Relative to the range, so that a zero at 0 does not come out as 1E-300.
    [[nodiscard]] double xTolerance() const { return xTolerance_; }

  private:
    std::vector<double> xs_;
    double step_ = 0;
    double xTolerance_ = 0;
};

// One function sampled on a grid: its values, which samples have one, and the magnitude its rounding
// noise scales with (|f| for a graph, |f| + |g| for the difference of two).
struct SampledCurve {
    std::vector<long double> value;
    std::vector<long double> magnitude;
    std::vector<unsigned char> valid;

    [[nodiscard]] bool has(std::size_t i) const { return valid[i] != 0; }
};

// Samples f on the grid; false when *cancel became true first.
[[nodiscard]] bool SampleFunction(const GraphFunction& f, const SampleGrid& grid, SampledCurve& out,
                                  const std::atomic<bool>* cancel);

// f - g where both have a value, into `out` (whose storage is reused).
void Difference(const SampledCurve& f, const SampledCurve& g, SampledCurve& out);

[[nodiscard]] inline bool Cancelled(const std::atomic<bool>* cancel) {
    return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

} // namespace orvex::analysis
