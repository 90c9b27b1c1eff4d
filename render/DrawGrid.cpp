#include "GridAxis.h"
#include "NumberText.h"
#include "PlotMapping.h"
#include "Renderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QString>

namespace orvex {

namespace {

constexpr int kMargin = PlotMapping::kMargin;
// The labels' text colour is the platform's window-text colour.
constexpr std::uint32_t kWindowTextColour = 0x80000008u;

// Writes a label with its top-left corner at (x, y) on an opaque background of the painter's background.
void drawLabel(QPainter& painter, const QPen& textPen, int x, int y, double value) {
    const QPen linePen = painter.pen();
    painter.setPen(textPen);
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()),
                     QString::fromLatin1(NumberText(value, 2)));
    painter.setPen(linePen);
}

} // namespace

void DrawGrid(QImage& bitmap, const ViewTexts& view, std::uint32_t gridColour,
              std::uint32_t backgroundColour) {
    const ViewLimits limits = ParseLimits(view);
    const int w = bitmap.width();
    const int h = bitmap.height();
    const PlotMapping mapping(w, h, limits);
    if (bitmap.isNull())
        return;

    const QColor grid = ColorFromValue(gridColour);
    const QColor background = ColorFromValue(backgroundColour);
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    QFont font = painter.font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(background);

    // The frame: a 2-pixel outline centred on the plot rectangle's border, the inside filled with the
    // background.
    QPen framePen(grid, 2);
    framePen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(framePen);
    painter.setBrush(background);
    painter.drawRect(QRectF(kMargin, kMargin, w - 2 * kMargin, h - 2 * kMargin));

    // Thin lines leave out their last pixel, like every line of the curves.
    QPen linePen(grid, 1);
    linePen.setCapStyle(Qt::FlatCap);
    painter.setPen(linePen);
    const QPen textPen(ColorFromValue(kWindowTextColour));

    const int verticalCount = GridLineCount(view.vert);
    const int horizontalCount = GridLineCount(view.hor);

    GridAxis xAxis(limits.xmin, limits.xmax, verticalCount);
    for (int k = 1; k <= verticalCount; ++k) {
        const double x = xAxis.next();
        const int px = mapping.column(x);
        painter.drawLine(px, kMargin, px, h - kMargin);
        drawLabel(painter, textPen, px - 3, h - 17, x);
    }
    GridAxis yAxis(limits.ymin, limits.ymax, horizontalCount);
    for (int k = 1; k <= horizontalCount; ++k) {
        const double y = yAxis.next();
        const int py = mapping.row(y);
        painter.drawLine(kMargin, py, w - kMargin, py);
        drawLabel(painter, textPen, 3, py - 5, y);
    }
}

} // namespace orvex
