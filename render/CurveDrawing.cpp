#include "CurveGeometry.h"
#include "DevicePixels.h"

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

// The graph's pen on a device at `ratio`: a pen width below 1 draws one logical pixel wide; wider pens
// have round ends and joins. One logical pixel wider than one device pixel has square ends, so that its
// segments leave no notches where they meet (round ones would too, at three times the cost). A width
// beyond the picture's size paints nothing more than the picture's size does.
QPen curvePen(const QColor& colour, std::int32_t width, QSize size, const DevicePixels& device) {
    const int widest = 2 * (size.width() + size.height()) + 2;
    const int logical = width <= 1 ? 1 : std::min(width, widest);
    const int pixels = device.penWidth(logical);
    QPen pen(colour, pixels);
    pen.setCapStyle(pixels <= 1 ? Qt::FlatCap : logical <= 1 ? Qt::SquareCap : Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// The same pen for antialiased lines through exact positions: its width unrounded, round ends.
QPen smoothPen(const QColor& colour, std::int32_t width, QSize size, qreal ratio) {
    const int widest = 2 * (size.width() + size.height()) + 2;
    QPen pen(colour, (width <= 1 ? 1 : std::min(width, widest)) * ratio);
    pen.setCapStyle(Qt::RoundCap);
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
    painter.setPen(curvePen(curve.colour, curve.entry.LineWidth, size, DevicePixels(geometry.style.ratio)));
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

// Antialiased: each stretch as one polyline through the exact positions, so that its segments join
// without the overlaps that separate lines would darken.
void drawSmoothLines(QPainter& painter, const PlotCurve& curve, const CurveGeometry& geometry, QSize size) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(smoothPen(curve.colour, curve.entry.LineWidth, size, geometry.style.ratio));
    const std::size_t count = std::min(geometry.points.size(), geometry.exact.size());
    std::size_t start = 0;
    for (std::size_t k = 1; k <= count; ++k) {
        if (k < count && geometry.joined[k])
            continue;
        if (k - start >= 2)
            painter.drawPolyline(geometry.exact.data() + start, static_cast<int>(k - start));
        start = k;
    }
}

void paintLines(QPainter& painter, const PlotCurve& curve, const CurveGeometry& geometry, QSize size) {
    if (geometry.style.smooth)
        drawSmoothLines(painter, curve, geometry, size);
    else
        drawLines(painter, curve, geometry, size);
}

// Point mode through a painter: one square of a logical pixel per joined point.
void paintPoints(QPainter& painter, const PlotCurve& curve, const CurveGeometry& geometry, QSize device) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int side = DevicePixels(geometry.style.ratio).pixelSide();
    const QRect area(QPoint(0, 0), device);
    for (std::size_t k = 0; k < geometry.points.size(); ++k) {
        const QRect square(geometry.points[k], QSize(side, side));
        if (geometry.joined[k] && area.intersects(square))
            painter.fillRect(square, curve.colour);
    }
}

} // namespace

void DrawCurve(QImage& bitmap, const PlotCurve& curve, const CurveGeometry& geometry) {
    if (bitmap.isNull())
        return;
    const QSize logical = LogicalSize(bitmap);
    if (curve.entry.DrawLines || geometry.style.ratio != 1) {
        // Drawn in device pixels: the geometry holds them.
        const DeviceCoordinates device(bitmap);
        QPainter painter(&bitmap);
        if (curve.entry.DrawLines)
            paintLines(painter, curve, geometry, logical);
        else
            paintPoints(painter, curve, geometry, bitmap.size());
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
        paintLines(painter, curve, geometry, size);
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
