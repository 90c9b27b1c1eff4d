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

// Writes a label with its top-left corner at (x, y) on an opaque background of the painter's background.
void drawLabel(QPainter& painter, const QPen& textPen, int x, int y, double value) {
    const QPen linePen = painter.pen();
    painter.setPen(textPen);
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()),
                     QString::fromLatin1(NumberText(value, 2)));
    painter.setPen(linePen);
}

// Saves the painter's state and restores it however the drawing ends.
class PainterState {
  public:
    explicit PainterState(QPainter& painter) : painter_(painter) { painter_.save(); }
    PainterState(const PainterState&) = delete;
    PainterState& operator=(const PainterState&) = delete;
    ~PainterState() { painter_.restore(); }

  private:
    QPainter& painter_;
};

// Frame, lines and labels; the limits and counts are already known to be numbers.
void drawGridLines(QPainter& painter, QSize size, const ViewTexts& view, const ViewLimits& limits,
                   const PlotMapping& mapping, const PictureColours& colours) {
    const int w = size.width();
    const int h = size.height();
    const PainterState saved(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    QFont font = painter.font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(colours.background);

    // The frame: a 2-pixel outline centred on the plot rectangle's border, the inside filled with the
    // background.
    QPen framePen(colours.grid, 2);
    framePen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(framePen);
    painter.setBrush(colours.background);
    painter.drawRect(QRectF(kMargin, kMargin, w - 2 * kMargin, h - 2 * kMargin));

    // Thin lines leave out their last pixel, like every line of the curves.
    QPen linePen(colours.grid, 1);
    linePen.setCapStyle(Qt::FlatCap);
    painter.setPen(linePen);
    const QPen textPen(colours.labelText);

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

} // namespace

void DrawGrid(QImage& bitmap, const ViewTexts& view, std::uint32_t gridColour,
              std::uint32_t backgroundColour) {
    DrawGrid(bitmap, view, ResolvePictureColours(gridColour, backgroundColour));
}

void DrawGrid(QImage& bitmap, const ViewTexts& view, const PictureColours& colours) {
    const ViewLimits limits = ParseLimits(view);
    const PlotMapping mapping(bitmap.width(), bitmap.height(), limits);
    if (bitmap.isNull())
        return;
    QPainter painter(&bitmap);
    drawGridLines(painter, bitmap.size(), view, limits, mapping, colours);
}

void DrawGrid(QPainter& painter, QSize size, const ViewTexts& view, const PictureColours& colours) {
    const ViewLimits limits = ParseLimits(view);
    const PlotMapping mapping(size.width(), size.height(), limits);
    drawGridLines(painter, size, view, limits, mapping, colours);
}

} // namespace orvex
