#include "CurveGeometry.h"

#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace orvex {

namespace {

// Lines go to the painter in batches; all are in the graph's one opaque pen, so batching does not change
// a pixel.
constexpr std::size_t kBatchSize = 1024;

// The graph's pen: a pen width below 1 draws one pixel wide; wider pens have round ends and joins. A
// width beyond the picture's size paints nothing more than the picture's size does.
QPen curvePen(const QColor& colour, std::int32_t width, QSize size) {
    const int widest = 2 * (size.width() + size.height()) + 2;
    QPen pen(colour, width <= 1 ? 1 : std::min(width, widest));
    pen.setCapStyle(width <= 1 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Calls `line(from, to)` for every joined pixel with a different pixel before it.
template <class Line> void forEachLine(const CurveGeometry& geometry, Line line) {
    for (std::size_t k = 1; k < geometry.points.size(); ++k)
        if (geometry.joined[k] && geometry.points[k] != geometry.points[k - 1])
            line(geometry.points[k - 1], geometry.points[k]);
}

void drawLines(QPainter& painter, const PlotCurve& curve, const CurveGeometry& geometry, QSize size) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(curvePen(curve.colour, curve.entry.LineWidth, size));
    std::vector<QLine> batch;
    batch.reserve(kBatchSize);
    forEachLine(geometry, [&](const QPoint& from, const QPoint& to) {
        batch.emplace_back(from, to);
        if (batch.size() == kBatchSize) {
            painter.drawLines(batch.data(), static_cast<int>(batch.size()));
            batch.clear();
        }
    });
    if (!batch.empty())
        painter.drawLines(batch.data(), static_cast<int>(batch.size()));
}

} // namespace

void DrawCurve(QImage& bitmap, const PlotCurve& curve, const CurveGeometry& geometry) {
    if (bitmap.isNull())
        return;
    if (curve.entry.DrawLines) {
        QPainter painter(&bitmap);
        drawLines(painter, curve, geometry, bitmap.size());
        return;
    }
    const QRect area = bitmap.rect();
    for (std::size_t k = 0; k < geometry.points.size(); ++k)
        if (geometry.joined[k] && area.contains(geometry.points[k]))
            bitmap.setPixelColor(geometry.points[k], curve.colour);
}

void PaintCurve(QPainter& painter, QSize size, const PlotCurve& curve, const CurveGeometry& geometry) {
    painter.save();
    if (curve.entry.DrawLines) {
        drawLines(painter, curve, geometry, size);
    } else {
        // One device pixel each, as on the bitmap.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(curve.colour);
        const QRect area(QPoint(0, 0), size);
        for (std::size_t k = 0; k < geometry.points.size(); ++k)
            if (geometry.joined[k] && area.contains(geometry.points[k]))
                painter.drawRect(QRect(geometry.points[k], QSize(1, 1)));
    }
    painter.restore();
}

} // namespace orvex
