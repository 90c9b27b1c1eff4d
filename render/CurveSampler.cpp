#include "CurveGeometry.h"
#include "DevicePixels.h"
#include "NumberText.h"
#include "PlotMapping.h"
#include "PreparedFormula.h"
#include "SampleMemory.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace orvex {

namespace {

// A pass takes at most this many samples: beyond it (a huge span or quality from a document or a
// settings file) the step widens to span / kMaxSamples, still several samples per pixel column on the
// widest picture, so that a redraw never runs for minutes. Spans up to 500 at quality 200 are untouched.
constexpr long double kMaxSamples = 1e5;

// Two consecutive drawn points are joined when their squared distance is at most this.
constexpr std::int64_t kMaxJoinDistance2 = 50;

// How many samples pass between two looks at the stop request.
constexpr unsigned kStopCheckInterval = 256;

bool joinable(const QPoint& a, const QPoint& b) {
    const std::int64_t dx = std::int64_t{a.x()} - b.x();
    const std::int64_t dy = std::int64_t{a.y()} - b.y();
    return dx * dx + dy * dy <= kMaxJoinDistance2;
}

// y at x through the formula's trail when there is one: the outcome of the last pass at the same x
// stands for evaluating again, errors included; every sample goes into the new trail.
bool valueAt(const PreparedFormula& formula, FormulaTrail* trail, double x, long double& y) {
    if (trail == nullptr)
        return formula.valueAt(x, y);
    RecordedSample sample;
    sample.x = x;
    if (const SampleOutcome* known = trail->find(x)) {
        sample.outcome = *known;
        trail->record(sample);
        if (sample.outcome.kind == SampleOutcome::Kind::Error)
            throw ArithmeticError(sample.outcome.error);
        y = sample.outcome.value;
        return sample.outcome.kind == SampleOutcome::Kind::Value;
    }
    try {
        if (formula.valueAt(x, y)) {
            sample.outcome.kind = SampleOutcome::Kind::Value;
            sample.outcome.value = y;
        }
    } catch (const ArithmeticError& e) {
        sample.outcome.kind = SampleOutcome::Kind::Error;
        sample.outcome.error = e.kind();
        trail->record(sample);
        throw;
    }
    trail->record(sample);
    return sample.outcome.kind == SampleOutcome::Kind::Value;
}

// Ends the trail's pass however the pass ends.
class TrailPass {
  public:
    explicit TrailPass(FormulaTrail* trail) : trail_(trail) {
        if (trail_ != nullptr)
            trail_->begin();
    }
    TrailPass(const TrailPass&) = delete;
    TrailPass& operator=(const TrailPass&) = delete;
    ~TrailPass() {
        if (trail_ != nullptr)
            trail_->end();
    }

  private:
    FormulaTrail* trail_;
};

// Where consecutive samples at the graph's quality would lie farther apart than this many pixels, the
// join distance, the graph is sampled more densely, with samples at most kDenseSpacing pixels apart.
constexpr long double kSparseSpacing = 7;
constexpr long double kDenseSpacing = 4;

// The step of the running x: 1 / Quality; over a span too wide for that, span / kMaxSamples; where the
// samples at 1 / Quality lie farther apart than the join distance, 1 / (Quality * m) with the least
// integer m that puts them at most kDenseSpacing pixels apart.
long double sampleStep(const PlotMapping& mapping, long double span, int quality) {
    if (span * quality > kMaxSamples)
        return span / kMaxSamples;
    const long double spacing = mapping.kx() / static_cast<long double>(quality);
    if (spacing > kSparseSpacing)
        return 1.0L / (static_cast<long double>(quality) * std::ceil(spacing / kDenseSpacing));
    return 1.0L / quality;
}

// Where one sample goes on the device: the pixel of its line (or of its point's square) and, with
// smoothing, the unrounded centre of its line.
class DevicePlacement {
  public:
    DevicePlacement(const PlotMapping& mapping, const TGraphEntry& entry, DrawingStyle style)
        : mapping_(mapping), device_(style.ratio), width_(entry.LineWidth), lines_(entry.DrawLines != 0),
          smooth_(style.smooth) {}

    // The device pixel; `logical` is the sample's logical pixel, which it is at ratio 1.
    [[nodiscard]] QPoint pixel(double x, long double y, const QPoint& logical) const {
        if (device_.isIdentity())
            return logical;
        const long double column = mapping_.columnPosition(x);
        const long double row = mapping_.rowPosition(y);
        if (lines_)
            return {device_.line(column, width_), device_.line(row, width_)};
        return {device_.pixel(column), device_.pixel(row)};
    }
    [[nodiscard]] bool smooth() const noexcept { return smooth_; }
    [[nodiscard]] QPointF exact(double x, long double y) const {
        return {device_.exactLine(mapping_.columnPosition(x), width_),
                device_.exactLine(mapping_.rowPosition(y), width_)};
    }

  private:
    const PlotMapping& mapping_;
    DevicePixels device_;
    int width_;
    bool lines_;
    bool smooth_;
};

void samplePass(const TGraphEntry& entry, QSize size, const ViewLimits& limits, StopRequest stop,
                SampleMemory* memory, CurveGeometry& out) {
    if (entry.Quality < 1)
        return;
    const PlotMapping mapping(size.width(), size.height(), limits);
    const long double span = static_cast<long double>(limits.xmax) - limits.xmin;
    const long double step = sampleStep(mapping, span, entry.Quality);
    double x = static_cast<double>(limits.xmin - step);

    const PreparedFormula formula(entry.Formula);
    if (size.isEmpty())
        return;
    const DevicePlacement device(mapping, entry, out.style);
    // The formula's trail of the last pass, held for the whole pass.
    const std::shared_ptr<FormulaTrail> trail =
        memory != nullptr ? memory->trailOf(FormulaKey(entry.Formula, DecimalSeparator())) : nullptr;
    std::unique_lock<std::mutex> hold;
    if (trail)
        hold = trail->lock();
    const TrailPass pass(trail.get());
    // The last point inside the limits: its logical pixel decides the joins, its device pixel the repeats.
    std::optional<QPoint> penMemory;
    QPoint penPixel;
    for (unsigned n = 1;; ++n) {
        if (n % kStopCheckInterval == 0 && stop.requested()) {
            out.stopped = true;
            return;
        }
        const double next = static_cast<double>(x + step);
        if (next == x) // the step is lost in the rounding of x: the pass could never reach XMax
            break;
        x = next;
        if (x > limits.xmax)
            break;
        long double y = 0;
        if (!valueAt(formula, trail.get(), x, y))
            continue;
        if (!std::isfinite(y) || y > limits.ymax || y < limits.ymin)
            continue;
        const QPoint logical(mapping.column(x), mapping.row(y));
        const QPoint point = device.pixel(x, y, logical);
        if (penMemory && penPixel == point) {
            // Joined to itself: a line draws nothing, a point draws its pixel, which is new only when the
            // pixel started its stretch. The pen stays where it is.
            if (!out.joined.back()) {
                out.points.push_back(point);
                out.joined.push_back(true);
                if (device.smooth())
                    out.exact.push_back(device.exact(x, y));
            }
            penMemory = logical;
            continue;
        }
        out.points.push_back(point);
        out.joined.push_back(penMemory && joinable(*penMemory, logical));
        if (device.smooth())
            out.exact.push_back(device.exact(x, y));
        penMemory = logical;
        penPixel = point;
    }
}

} // namespace

CurveGeometry SampleCurve(const TGraphEntry& entry, QSize size, const ViewLimits& limits, StopRequest stop,
                          SampleMemory* memory, DrawingStyle style) {
    CurveGeometry geometry;
    geometry.style = style;
    try {
        samplePass(entry, size, limits, stop, memory, geometry);
    } catch (...) {
        geometry.error = std::current_exception();
    }
    return geometry;
}

std::vector<PlotCurve> ResolveCurves(const std::vector<TGraphEntry>& graphs) {
    std::vector<PlotCurve> curves;
    curves.reserve(graphs.size());
    for (const TGraphEntry& entry : graphs)
        curves.push_back({entry, ColorFromValue(entry.Color)});
    return curves;
}

} // namespace orvex
