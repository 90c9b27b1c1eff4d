#include "CurveGeometry.h"
#include "DevicePixels.h"
#include "Renderer.h"
#include "SamplingPool.h"

#include <QFuture>
#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

#include <deque>
#include <exception>

namespace orvex {

namespace {

// Samples the curves on the sampling pool, a few graphs ahead of the one being drawn, and hands each
// geometry over in list order. Leaving (normally, on an error or when stopped) stops and waits for the
// samplers still running, since they use this object's flag.
class OrderedSampler {
  public:
    OrderedSampler(const std::vector<PlotCurve>& curves, QSize size, const ViewLimits& limits,
                   DrawingStyle style, const std::atomic<bool>* cancel, SampleMemory* memory)
        : curves_(curves), size_(size), limits_(limits), style_(style), cancel_(cancel), memory_(memory) {
        window_ = 2 * static_cast<std::size_t>(SamplingPool().maxThreadCount());
        while (submitted_ < curves_.size() && pending_.size() < window_)
            submitNext();
    }
    OrderedSampler(const OrderedSampler&) = delete;
    OrderedSampler& operator=(const OrderedSampler&) = delete;
    ~OrderedSampler() {
        stop_.store(true);
        for (auto& future : pending_)
            future.waitForFinished();
    }

    // The geometry of the next curve in list order; waits for it.
    [[nodiscard]] CurveGeometry next() {
        CurveGeometry geometry = pending_.front().result();
        pending_.pop_front();
        if (submitted_ < curves_.size())
            submitNext();
        return geometry;
    }

  private:
    void submitNext() {
        const TGraphEntry entry = curves_[submitted_++].entry;
        const StopRequest stop{&stop_, cancel_};
        pending_.push_back(QtConcurrent::run(
            &SamplingPool(), [entry, size = size_, limits = limits_, style = style_, stop, memory = memory_] {
                return SampleCurve(entry, size, limits, stop, memory, style);
            }));
    }

    const std::vector<PlotCurve>& curves_;
    QSize size_;
    ViewLimits limits_;
    DrawingStyle style_;
    const std::atomic<bool>* cancel_;
    SampleMemory* memory_;
    std::atomic<bool> stop_{false};
    std::size_t window_ = 2;
    std::size_t submitted_ = 0;
    std::deque<QFuture<CurveGeometry>> pending_;
};

} // namespace

CurvesResult DrawCurves(QImage& bitmap, const ViewLimits& limits, const std::vector<PlotCurve>& curves,
                        const std::atomic<bool>* cancel, SampleMemory* memory, bool smooth) {
    OrderedSampler sampler(curves, LogicalSize(bitmap), limits, {bitmap.devicePixelRatio(), smooth}, cancel,
                           memory);
    for (const PlotCurve& curve : curves) {
        const CurveGeometry geometry = sampler.next();
        if (geometry.stopped || (cancel != nullptr && cancel->load()))
            return CurvesResult::Cancelled;
        DrawCurve(bitmap, curve, geometry);
        if (geometry.error)
            std::rethrow_exception(geometry.error);
    }
    return CurvesResult::Completed;
}

PictureColours ResolvePictureColours(std::uint32_t gridColour, std::uint32_t backgroundColour) {
    return {ColorFromValue(backgroundColour), ColorFromValue(gridColour), ColorFromValue(kLabelTextColour)};
}

bool RenderPicture(QImage& bitmap, ViewTexts& view, std::uint32_t gridColour, std::uint32_t backgroundColour,
                   const std::vector<TGraphEntry>& visibleGraphs, bool smooth) {
    if (!RepairLimits(view))
        return false;
    const PictureColours colours = ResolvePictureColours(gridColour, backgroundColour);
    bitmap.fill(colours.background);
    DrawGrid(bitmap, view, colours, smooth);
    (void)DrawCurves(bitmap, ParseLimits(view), ResolveCurves(visibleGraphs), nullptr, nullptr, smooth);
    return true;
}

void PaintPicture(QPainter& painter, QSize size, const ViewTexts& view, const PictureColours& colours,
                  const std::vector<PlotCurve>& curves, bool smooth) {
    const ViewLimits limits = ParseLimits(view);
    painter.fillRect(QRect(QPoint(0, 0), size), colours.background);
    DrawGrid(painter, size, view, colours, smooth);
    for (const PlotCurve& curve : curves) {
        const CurveGeometry geometry = SampleCurve(curve.entry, size, limits, {}, nullptr, {1, smooth});
        PaintCurve(painter, size, curve, geometry);
        if (geometry.error)
            std::rethrow_exception(geometry.error);
    }
}

} // namespace orvex
