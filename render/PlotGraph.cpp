#include "Evaluator.h"
#include "PlotMapping.h"
#include "Renderer.h"

#include <QLine>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvex {

namespace {

// A pass takes at most this many samples: beyond it (a huge span or quality from a document or a
// settings file) the step widens to span / kMaxSamples, still several samples per pixel column on the
// widest picture, so that a redraw never runs for minutes. Spans up to 500 at quality 200 are untouched.
constexpr long double kMaxSamples = 1e5;

// Two consecutive drawn points are joined when their squared distance is at most this.
constexpr std::int64_t kMaxJoinDistance2 = 50;

bool joinable(const QPoint& a, const QPoint& b) {
    const std::int64_t dx = std::int64_t{a.x()} - b.x();
    const std::int64_t dy = std::int64_t{a.y()} - b.y();
    return dx * dx + dy * dy <= kMaxJoinDistance2;
}

// The graph's pen: a pen width below 1 draws one pixel wide; wider pens have round ends and joins. A
// width beyond the picture's size paints nothing more than the picture's size does.
QPen curvePen(const QColor& colour, std::int32_t width, const QImage& bitmap) {
    const int widest = 2 * (bitmap.width() + bitmap.height()) + 2;
    QPen pen(colour, width <= 1 ? 1 : std::min(width, widest));
    pen.setCapStyle(width <= 1 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Draws the joined stretches: each segment from the pen position to the new point, in line mode with
// the graph's pen, in point mode as the new point's single pixel. Lines are handed to the painter in
// batches (all in the graph's one opaque pen, so the order within a graph does not matter); whatever was
// collected is drawn when the canvas goes, an error ending the pass included.
class CurveCanvas {
  public:
    CurveCanvas(QImage& bitmap, const TGraphEntry& entry)
        : bitmap_(bitmap), colour_(ColorFromValue(entry.Color)), lines_(entry.DrawLines) {
        if (lines_) {
            painter_.emplace(&bitmap_);
            painter_->setRenderHint(QPainter::Antialiasing, false);
            painter_->setPen(curvePen(colour_, entry.LineWidth, bitmap_));
            batch_.reserve(kBatchSize);
        }
    }
    CurveCanvas(const CurveCanvas&) = delete;
    CurveCanvas& operator=(const CurveCanvas&) = delete;
    ~CurveCanvas() { flush(); }

    void segment(const QPoint& from, const QPoint& to) {
        if (!lines_) {
            if (bitmap_.rect().contains(to))
                bitmap_.setPixelColor(to, colour_);
        } else if (from != to) { // a line to the pen position itself draws nothing
            batch_.emplace_back(from, to);
            if (batch_.size() == kBatchSize)
                flush();
        }
    }

  private:
    static constexpr std::size_t kBatchSize = 1024;

    void flush() {
        if (!batch_.empty())
            painter_->drawLines(batch_.data(), static_cast<int>(batch_.size()));
        batch_.clear();
    }

    QImage& bitmap_;
    QColor colour_;
    bool lines_;
    std::optional<QPainter> painter_;
    std::vector<QLine> batch_;
};

} // namespace

void PlotGraph(QImage& bitmap, const ViewTexts& view, TGraphEntry entry) {
    const ViewLimits limits = ParseLimits(view);
    if (entry.Quality < 1)
        return;
    const PlotMapping mapping(bitmap.width(), bitmap.height(), limits);
    const long double span = static_cast<long double>(limits.xmax) - limits.xmin;
    const long double step = span * entry.Quality > kMaxSamples ? span / kMaxSamples : 1.0L / entry.Quality;
    double x = static_cast<double>(limits.xmin - step);

    std::string prepared = CutFormula(entry.Formula);
    PrepareFormula(prepared, "x");
    if (bitmap.isNull())
        return;
    CurveCanvas canvas(bitmap, entry);
    std::optional<QPoint> penMemory;

    for (;;) {
        const double next = static_cast<double>(x + step);
        if (next == x) // the step is lost in the rounding of x: the pass could never reach XMax
            break;
        x = next;
        if (x > limits.xmax)
            break;
        long double y = 0;
        if (!EvaluateExpression(SubstituteVariable(prepared, 'x', x), y))
            continue;
        if (!std::isfinite(y) || y > limits.ymax || y < limits.ymin)
            continue;
        const QPoint point(mapping.column(x), mapping.row(y));
        if (penMemory && joinable(*penMemory, point))
            canvas.segment(*penMemory, point);
        penMemory = point;
    }
}

} // namespace orvex
