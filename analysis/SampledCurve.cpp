#include "SampledCurve.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace orvex::analysis {

namespace {
// How often sampling looks at the cancel flag.
constexpr std::size_t kCancelStride = 64;
// The x resolution of refinement, relative to the range.
constexpr double kRelativeXTolerance = 1e-15;
// Grids of at least this many samples are sampled on several threads, at most this many.
constexpr std::size_t kParallelSamples = 4096;
constexpr std::size_t kMaxThreads = 16;
} // namespace

SampleGrid::SampleGrid(const AnalysisRange& range) {
    if (!std::isfinite(range.xmin) || !std::isfinite(range.xmax) || !(range.xmax > range.xmin))
        return;
    const long double span = static_cast<long double>(range.xmax) - range.xmin;
    const long double byQuality = std::ceil(span * std::max(range.quality, 1));
    const auto columns = static_cast<long double>(std::max(range.columns, 2));
    const long double ceiling =
        std::min(static_cast<long double>(kMaxIntervals),
                 std::max(static_cast<long double>(kDenseIntervals), columns * kSamplesPerColumn));
    const auto intervals = static_cast<std::size_t>(std::min(std::max(byQuality, columns), ceiling));
    xs_.reserve(intervals + 1);
    for (std::size_t i = 0; i < intervals; ++i) {
        const auto x = static_cast<double>(range.xmin + span * static_cast<long double>(i) / intervals);
        if (xs_.empty() || x > xs_.back()) // a range narrower than the doubles around it has fewer points
            xs_.push_back(x);
    }
    if (range.xmax > xs_.back())
        xs_.push_back(range.xmax);
    step_ = static_cast<double>(span / intervals);
    xTolerance_ = static_cast<double>(span * kRelativeXTolerance);
}

bool SampleFunction(const GraphFunction& f, const SampleGrid& grid, SampledCurve& out,
                    const std::atomic<bool>* cancel) {
    const std::size_t n = grid.size();
    out.value.assign(n, 0);
    out.magnitude.assign(n, 0);
    out.valid.assign(n, 0);
    std::atomic<bool> stopped = false;
    // Samples first..last; every stride the cancel flag is looked at.
    const auto sampleRange = [&](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) {
            if ((i - first) % kCancelStride == 0 && Cancelled(cancel)) {
                stopped = true;
                return;
            }
            long double y = 0;
            if (f(grid[i], y) && std::isfinite(y)) {
                out.value[i] = y;
                out.magnitude[i] = std::fabs(y);
                out.valid[i] = 1;
            }
        }
    };
    // The evaluations are independent (f may be called from several threads at once): long grids are
    // shared out among the processors, each taking a contiguous stretch.
    const std::size_t threads =
        n < kParallelSamples ? 1
                             : std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, kMaxThreads);
    std::vector<std::thread> helpers;
    const std::size_t share = (n + threads - 1) / threads;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(sampleRange, std::min(n, t * share), std::min(n, (t + 1) * share));
    sampleRange(0, std::min(n, share));
    for (std::thread& helper : helpers)
        helper.join();
    return !stopped.load();
}

void Difference(const SampledCurve& f, const SampledCurve& g, SampledCurve& d) {
    const std::size_t n = f.value.size();
    d.value.assign(n, 0);
    d.magnitude.assign(n, 0);
    d.valid.assign(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (!f.has(i) || !g.has(i))
            continue;
        const long double diff = f.value[i] - g.value[i];
        if (!std::isfinite(diff))
            continue;
        d.value[i] = diff;
        d.magnitude[i] = f.magnitude[i] + g.magnitude[i];
        d.valid[i] = 1;
    }
}

} // namespace orvex::analysis
