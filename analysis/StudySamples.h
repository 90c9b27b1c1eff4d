#pragma once

#include "SpecialPoints.h"

#include <atomic>
#include <cstddef>
#include <vector>

namespace orvex::study {

// The evenly spaced x at which a study samples a graph and its derivatives: at least `quality` per unit
// and one per pixel column, like the special-points search, but at most kMaxIntervals intervals (the
// study samples three functions, and the derivatives take up to three values each).
class StudyGrid {
  public:
    static constexpr std::size_t kMaxIntervals = 10000;

    explicit StudyGrid(const AnalysisRange& range);

    [[nodiscard]] bool empty() const noexcept { return xs_.size() < 2; }
    [[nodiscard]] std::size_t size() const noexcept { return xs_.size(); }
    [[nodiscard]] double operator[](std::size_t i) const { return xs_[i]; }
    [[nodiscard]] double xmin() const noexcept { return xmin_; }
    [[nodiscard]] double xmax() const noexcept { return xmax_; }
    // xmax - xmin in extended precision (it may exceed the double range).
    [[nodiscard]] long double span() const noexcept { return span_; }
    [[nodiscard]] long double step() const noexcept { return step_; }
    // The resolution to which points are refined: 1E-15 of the range, and never finer than the doubles
    // around x.
    [[nodiscard]] long double tolerance(long double x) const;
    // The index of the grid point nearest to x (clamped to the grid).
    [[nodiscard]] std::size_t nearest(long double x) const;

  private:
    std::vector<double> xs_;
    double xmin_ = 0;
    double xmax_ = 0;
    long double span_ = 0;
    long double step_ = 0;
};

// A function's values on the grid, and which samples have one.
struct Samples {
    std::vector<long double> y;
    std::vector<unsigned char> valid;

    [[nodiscard]] bool has(std::size_t i) const { return valid[i] != 0; }
};

// Samples g on the grid, only where `where` has a value when it is given; false when *cancel became
// true first.
[[nodiscard]] bool SampleOnGrid(const GraphFunction& g, const StudyGrid& grid, Samples& out,
                                const std::atomic<bool>* cancel, const Samples* where = nullptr);

// The typical size of the sampled values: the median |y| of those that have one, but at least 0.01 (the
// floor the special-points search uses, so that a function that is 0 up to rounding keeps a scale).
[[nodiscard]] long double TypicalMagnitude(const Samples& samples);

[[nodiscard]] inline bool Stopped(const std::atomic<bool>* cancel) {
    return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

// A value of g at x, or false.
[[nodiscard]] inline bool ValueAt(const GraphFunction& g, long double x, long double& y) {
    return g(static_cast<double>(x), y);
}

} // namespace orvex::study
