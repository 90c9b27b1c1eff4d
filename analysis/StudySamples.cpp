#include "StudySamples.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvex::study {

namespace {
constexpr std::size_t kCancelStride = 64;
constexpr long double kRelativeTolerance = 1e-15L;
constexpr long double kScaleFloor = 0.01L;
} // namespace

StudyGrid::StudyGrid(const AnalysisRange& range) {
    if (!std::isfinite(range.xmin) || !std::isfinite(range.xmax) || !(range.xmax > range.xmin))
        return;
    xmin_ = range.xmin;
    xmax_ = range.xmax;
    span_ = static_cast<long double>(range.xmax) - range.xmin;
    const long double byQuality = std::ceil(span_ * std::max(range.quality, 1));
    const long double wanted = std::max(byQuality, static_cast<long double>(std::max(range.columns, 2)));
    const auto intervals =
        static_cast<std::size_t>(std::min(wanted, static_cast<long double>(kMaxIntervals)));
    xs_.reserve(intervals + 1);
    for (std::size_t i = 0; i < intervals; ++i) {
        const auto x = static_cast<double>(range.xmin + span_ * static_cast<long double>(i) / intervals);
        if (xs_.empty() || x > xs_.back())
            xs_.push_back(x);
    }
    if (range.xmax > xs_.back())
        xs_.push_back(range.xmax);
    step_ = span_ / static_cast<long double>(intervals);
}

long double StudyGrid::tolerance(long double x) const {
    const long double ulp = std::fabs(x) * std::numeric_limits<double>::epsilon();
    return std::max(
        {span_ * kRelativeTolerance, ulp, static_cast<long double>(std::numeric_limits<double>::min())});
}

std::size_t StudyGrid::nearest(long double x) const {
    if (xs_.empty() || step_ <= 0)
        return 0;
    const long double at = std::round((x - xmin_) / step_);
    if (!(at > 0))
        return 0;
    return std::min(static_cast<std::size_t>(std::min(at, static_cast<long double>(xs_.size()))),
                    xs_.size() - 1);
}

bool SampleOnGrid(const GraphFunction& g, const StudyGrid& grid, Samples& out,
                  const std::atomic<bool>* cancel, const Samples* where) {
    const std::size_t n = grid.size();
    out.y.assign(n, 0);
    out.valid.assign(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (i % kCancelStride == 0 && Stopped(cancel))
            return false;
        long double y = 0;
        if ((where == nullptr || where->has(i)) && g(grid[i], y) && std::isfinite(y)) {
            out.y[i] = y;
            out.valid[i] = 1;
        }
    }
    return true;
}

long double TypicalMagnitude(const Samples& samples) {
    std::vector<long double> sizes;
    sizes.reserve(samples.y.size());
    for (std::size_t i = 0; i < samples.y.size(); ++i)
        if (samples.has(i))
            sizes.push_back(std::fabs(samples.y[i]));
    if (sizes.empty())
        return kScaleFloor;
    const auto middle = sizes.begin() + static_cast<std::ptrdiff_t>(sizes.size() / 2);
    std::nth_element(sizes.begin(), middle, sizes.end());
    return std::max(*middle, kScaleFloor);
}

} // namespace orvex::study
