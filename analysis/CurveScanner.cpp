#include "CurveScanner.h"

#include "ExtremumRefiner.h"
#include "RootRefiner.h"
#include "ShortestDecimal.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iterator>

namespace orvex::analysis {

namespace {

// A value is zero within rounding when it is at most this share of the function's magnitude around it:
// the evaluator's noise of about 1e-15 of the terms leaves room for terms a few hundred times the
// result, and it is still far below anything a picture can show.
constexpr long double kZeroShare = 1e-10L;
// The magnitude is never taken below this, so values below 1e-12 always count as zero within rounding.
constexpr long double kScaleFloor = 1e-2L;
// Around an extremum, values within this share of the magnitude of the best one count as equally good:
// well above the noise of rounding, so that the flat stretch has clean ends.
constexpr long double kFlatShare = 1e-9L;
// The magnitude around a sample is the median |h| of the blocks of samples around it, each block
// about one unit of x wide (a median, so that a pole nearby does not swamp it).
constexpr std::size_t kMinBlock = 16;
constexpr std::size_t kMaxBlock = 2000;
// A run of f - g is refined for touching when it lies below this share of its neighbours' |f - g|.
// Samples around a touching point x0 at offsets d, d +- step (|d| <= step / 2) give at most 1/9.
constexpr long double kTouchShare = 0.25L;
// Roots closer than this share of the sample step are one root (the two sides of a touching zero
// whose nearest sample came out a rounding error below the axis).
constexpr double kMergeShare = 1e-4;
// A scan stops after this many points: a curve with more features in view is sampled far too coarsely
// for them (sin(100x) over -1000..1000), and listing them all would take seconds.
constexpr std::size_t kMaxFeatures = 5000;

bool full(const CurveFeatures& out) {
    return out.roots.size() + out.extrema.size() >= kMaxFeatures;
}

bool opposite(long double a, long double b) {
    return (a < 0 && b > 0) || (a > 0 && b < 0);
}

long double medianOf(std::vector<long double>& values) {
    if (values.empty())
        return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace

CurveScanner::CurveScanner(const GraphFunction& h, const SampleGrid& grid, const SampledCurve& curve)
    : h_(h), grid_(grid), curve_(curve), values_(curve.value.data()) {
    for (std::size_t i = 0; i < grid.size(); ++i)
        if (curve.has(i))
            valued_.push_back(i);
    computeScales();
    findZeroStretches();
}

void CurveScanner::computeScales() {
    const std::size_t n = grid_.size();
    const double perUnit = std::ceil(1 / grid_.step());
    block_ = perUnit >= kMaxBlock ? kMaxBlock : std::max(kMinBlock, static_cast<std::size_t>(perUnit));
    const std::size_t block = block_;
    const std::size_t blocks = (n + block - 1) / block;
    std::vector<long double> medians(blocks);
    std::vector<long double> magnitudes;
    for (std::size_t b = 0; b < blocks; ++b) {
        magnitudes.clear();
        for (std::size_t i = b * block; i < std::min(n, (b + 1) * block); ++i)
            if (curve_.has(i))
                magnitudes.push_back(curve_.magnitude[i]);
        medians[b] = medianOf(magnitudes);
    }
    blockScale_.resize(blocks);
    blockOwnScale_.resize(blocks);
    for (std::size_t b = 0; b < blocks; ++b) {
        const long double left = medians[b > 0 ? b - 1 : b];
        const long double right = medians[b + 1 < blocks ? b + 1 : b];
        // The median of the three blocks around; at an end of the range the larger of the two.
        const long double around =
            b > 0 && b + 1 < blocks
                ? std::max(std::min(left, medians[b]), std::min(std::max(left, medians[b]), right))
                : std::max({left, medians[b], right});
        blockOwnScale_[b] = around;
        blockScale_[b] = std::max(around, kScaleFloor);
    }
}

long double CurveScanner::tolerance(std::size_t i) const {
    return kZeroShare * scale(i);
}

void CurveScanner::findZeroStretches() {
    const std::size_t n = grid_.size();
    const auto nearZero = [this](std::size_t i) {
        return curve_.has(i) && std::fabs(curve_.value[i]) <= tolerance(i);
    };
    for (std::size_t i = 0; i < n; ++i) {
        if (!nearZero(i))
            continue;
        std::size_t j = i;
        while (j + 1 < n && nearZero(j + 1))
            ++j;
        // Rounding noise about zero changes sign again and again; a steep crossing changes it once.
        std::size_t exactZeros = 0;
        std::size_t signChanges = 0;
        long double lastSign = 0;
        for (std::size_t k = i; k <= j; ++k) {
            const long double v = curve_.value[k];
            exactZeros += v == 0 ? 1 : 0;
            if (v != 0 && lastSign != 0 && opposite(v, lastSign))
                ++signChanges;
            lastSign = v != 0 ? v : lastSign;
        }
        if (exactZeros >= 2 || signChanges >= 2) {
            stretches_.push_back({i, j, exactZeros == j - i + 1});
            if (zeroed_.empty()) {
                zeroed_ = curve_.value;
                values_ = zeroed_.data();
            }
            std::fill(zeroed_.begin() + static_cast<std::ptrdiff_t>(i),
                      zeroed_.begin() + static_cast<std::ptrdiff_t>(j + 1), 0.0L);
        }
        i = j;
    }
}

CurveFeatures CurveScanner::scan(Extrema extrema, const std::atomic<bool>* cancel) const {
    CurveFeatures out;
    zeros(out);
    signChanges(out, cancel);
    Run last[3] = {};
    std::size_t seen = 0;
    forEachRun([&](const Run& run) {
        last[0] = last[1];
        last[1] = last[2];
        last[2] = run;
        if (++seen < 3 || last[0].piece != last[2].piece || full(out) || Cancelled(cancel))
            return;
        const Run& before = last[0];
        const Run& middle = last[1];
        const Run& after = last[2];
        if (before.value > middle.value && after.value > middle.value)
            extremum(before, middle, after, false, extrema, out);
        else if (before.value < middle.value && after.value < middle.value)
            extremum(before, middle, after, true, extrema, out);
    });
    out.roots = mergedRoots(std::move(out.roots));
    return out;
}

// A zero stretch has a zero at each end where the graph leaves the axis (not at an end of the range or
// of the graph's domain), none in between. A single sample that is exactly 0 is a zero.
void CurveScanner::zeros(CurveFeatures& out) const {
    const std::size_t n = grid_.size();
    for (const ZeroStretch& s : stretches_) {
        if (full(out))
            return;
        const long double limit = s.exact ? 0.0L : tolerance(s.first);
        const auto inside = [this, limit](double x) {
            long double y = 0;
            return h_(x, y) && std::fabs(y) <= limit;
        };
        if (s.first > 0 && curve_.has(s.first - 1))
            out.roots.push_back(
                RefineBoundary(inside, grid_[s.first - 1], grid_[s.first], grid_.xTolerance()));
        if (s.last + 1 < n && curve_.has(s.last + 1))
            out.roots.push_back(RefineBoundary(inside, grid_[s.last + 1], grid_[s.last], grid_.xTolerance()));
    }
    const auto zeroAt = [this, n](std::size_t i) { return i < n && curve_.has(i) && value(i) == 0; };
    for (std::size_t i = 0; i < n && !full(out); ++i)
        if (zeroAt(i) && !(i > 0 && zeroAt(i - 1)) && !zeroAt(i + 1))
            out.roots.push_back(grid_[i]);
}

// Neighbouring samples with a value and opposite signs; samples without a value between them are
// bridged, so a root next to a point gap is still found, while a sign change across the gap itself is
// dropped by the refinement.
void CurveScanner::signChanges(CurveFeatures& out, const std::atomic<bool>* cancel) const {
    for (std::size_t k = 1; k < valued_.size() && !full(out) && !Cancelled(cancel); ++k) {
        const std::size_t lo = valued_[k - 1];
        const std::size_t hi = valued_[k];
        if (opposite(value(lo), value(hi)))
            rootBetween(grid_[lo], value(lo), grid_[hi], value(hi), lo, out);
    }
}

void CurveScanner::rootBetween(double lo, long double hlo, double hi, long double hhi, std::size_t near,
                               CurveFeatures& out) const {
    const auto refined = RefineSignChange(h_, lo, hlo, hi, hhi, grid_.xTolerance());
    if (!refined)
        return;
    const long double limit = kZeroShare * std::max({scale(near), std::fabs(hlo), std::fabs(hhi)});
    if (std::fabs(refined->y) > limit)
        return; // a pole or a jump: the value did not shrink towards the sign change
    // The bracket is as narrow as x's resolution, unless the refinement stopped early on a value that is
    // exactly 0: then only that resolution around it is known to hold the root.
    const double reach = 2 * (2 * DBL_EPSILON * std::fabs(refined->x) + grid_.xTolerance());
    const double from = std::max(std::min(refined->x, refined->otherEnd), refined->x - reach);
    const double to = std::min(std::max(refined->x, refined->otherEnd), refined->x + reach);
    const double shortest = ShortestDecimal(from, to);
    long double y = 0;
    const bool useShortest = shortest != refined->x && h_(shortest, y) && std::fabs(y) <= limit;
    out.roots.push_back(useShortest ? shortest : refined->x);
}

void CurveScanner::extremum(const Run& before, const Run& run, const Run& after, bool maximum,
                            Extrema extrema, CurveFeatures& out) const {
    const std::size_t lo = valued_[before.last];
    const std::size_t mid = valued_[maximum ? run.highest : run.lowest];
    const std::size_t hi = valued_[after.first];
    const long double ends = std::max(std::fabs(value(lo)), std::fabs(value(hi)));
    // A minimum whose samples all lie above the axis, or a maximum below it, may touch or cross the
    // axis where no sample shows it; so may one whose lowest (highest) sample lies on the axis.
    const bool towardsZero = maximum ? value(mid) <= 0 : value(mid) >= 0;
    if (extrema == Extrema::TouchingOnly && !(towardsZero && std::fabs(value(mid)) <= kTouchShare * ends))
        return;
    const long double magnitude = std::max(scale(mid), ends);
    const long double limit = kZeroShare * magnitude;
    // Flat within rounding is judged by the graph's own size, not by the floor under "zero within
    // rounding": a graph of size 1e-6 is flat at 1e-6 of the flatness of a graph of size 1.
    const long double flatness = kFlatShare * std::max(ownScale(mid), ends);
    const auto refined =
        RefineExtremum(h_, maximum, {grid_[lo], grid_[mid], grid_[hi]}, curve_.value[mid],
                       Interval{grid_[0], grid_[grid_.size() - 1]}, grid_.xTolerance(), flatness);
    if (!refined)
        return; // a pole or a gap
    if (refined->step > limit && !ApproachesAt(h_, refined->x, refined->y, grid_.step(), grid_.xTolerance()))
        return; // a jump, not an extremum; a cusp (sqrt(abs(x)) at 0) steps as much, but its values close in
    const bool zero = std::fabs(refined->y) <= limit;
    if (extrema == Extrema::List)
        out.extrema.push_back({refined->x, zero ? 0.0L : refined->y, maximum});
    if (!towardsZero || inZeroStretch(mid))
        return; // a zero stretch has its zeros at its ends
    // The side of the axis the samples lie on: that of the neighbours when the middle sample is 0.
    const long double side = value(mid) != 0 ? value(mid) : value(lo);
    if (zero) {
        out.roots.push_back(refined->x);
    } else if (opposite(refined->y, side)) {
        // The extremum crosses the axis where the samples do not: a root on either side of it.
        rootBetween(grid_[lo], value(lo), refined->x, refined->y, mid, out);
        rootBetween(refined->x, refined->y, grid_[hi], value(hi), mid, out);
    }
}

bool CurveScanner::inZeroStretch(std::size_t i) const {
    const auto after = std::upper_bound(stretches_.begin(), stretches_.end(), i,
                                        [](std::size_t k, const ZeroStretch& s) { return k < s.first; });
    return after != stretches_.begin() && std::prev(after)->last >= i;
}

template <typename Visit> void CurveScanner::forEachRun(const Visit& visit) const {
    Run run{};
    std::size_t piece = 0;
    for (std::size_t k = 0; k < valued_.size(); ++k) {
        const std::size_t i = valued_[k];
        const long double v = value(i);
        const bool afterGap = k > 0 && i != valued_[k - 1] + 1;
        piece += afterGap ? 1 : 0;
        if (k == 0 || afterGap || std::fabs(v - run.value) > tolerance(i)) {
            if (k > 0)
                visit(run);
            run = {k, k, v, k, k, piece};
            continue;
        }
        run.last = k;
        if (v < value(valued_[run.lowest]))
            run.lowest = k;
        if (v > value(valued_[run.highest]))
            run.highest = k;
    }
    if (!valued_.empty())
        visit(run);
}

std::vector<double> CurveScanner::mergedRoots(std::vector<double> roots) const {
    std::sort(roots.begin(), roots.end());
    std::vector<double> merged;
    const double reach = kMergeShare * grid_.step();
    for (std::size_t i = 0; i < roots.size();) {
        std::size_t j = i;
        while (j + 1 < roots.size() && roots[j + 1] - roots[j] <= reach)
            ++j;
        merged.push_back(roots[i] + (roots[j] - roots[i]) / 2);
        i = j + 1;
    }
    return merged;
}

} // namespace orvex::analysis
