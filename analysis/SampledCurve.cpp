#include "SampledCurve.h"

#include <algorithm>
#include <cmath>

namespace orvex::analysis {

namespace {
// How often sampling looks at the cancel flag.
constexpr std::size_t kCancelStride = 64;
// The x resolution of refinement, relative to the range.
constexpr double kRelativeXTolerance = 1e-15;
} // namespace

SampleGrid::SampleGrid(const AnalysisRange& range) {
    if (!std::isfinite(range.xmin) || !std::isfinite(range.xmax) || !(range.xmax > range.xmin))
        return;
    const long double span = static_cast<long double>(range.xmax) - range.xmin;
    const long double byQuality = std::ceil(span * std::max(range.quality, 1));
    const long double wanted = std::max(byQuality, static_cast<long double>(std::max(range.columns, 2)));
    const auto intervals =
        static_cast<std::size_t>(std::min(wanted, static_cast<long double>(kMaxIntervals)));
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
    for (std::size_t i = 0; i < n; ++i) {
        if (i % kCancelStride == 0 && Cancelled(cancel))
            return false;
        long double y = 0;
        if (f(grid[i], y) && std::isfinite(y)) {
            out.value[i] = y;
            out.magnitude[i] = std::fabs(y);
            out.valid[i] = 1;
        }
    }
    return true;
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
