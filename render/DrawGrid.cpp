#include "DevicePixels.h"
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

// Calls onColumn(px, x) for each vertical grid line and onRow(py, y) for each horizontal one, in the order
// they are drawn.
template <class OnColumn, class OnRow>
void forEachGridLine(const ViewTexts& view, const ViewLimits& limits, const PlotMapping& mapping,
                     OnColumn onColumn, OnRow onRow) {
    const int verticalCount = GridLineCount(view.vert);
    const int horizontalCount = GridLineCount(view.hor);
    GridAxis xAxis(limits.xmin, limits.xmax, verticalCount);
    for (int k = 1; k <= verticalCount; ++k) {
        const double x = xAxis.next();
        onColumn(mapping.column(x), x);
    }
    GridAxis yAxis(limits.ymin, limits.ymax, horizontalCount);
    for (int k = 1; k <= horizontalCount; ++k) {
        const double y = yAxis.next();
        onRow(mapping.row(y), y);
    }
}

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
    forEachGridLine(
        view, limits, mapping,
        [&](int px, double x) {
            painter.drawLine(px, kMargin, px, h - kMargin);
            drawLabel(painter, textPen, px - 3, h - 17, x);
        },
        [&](int py, double y) {
            painter.drawLine(kMargin, py, w - kMargin, py);
            drawLabel(painter, textPen, 3, py - 5, y);
        });
}

// Where a band of logical pixels lies on the device: aliased, the device pixels of those logical ones;
// smoothed, the exact area, its edges antialiased at a fractional ratio.
class DeviceBands {
  public:
    explicit DeviceBands(DrawingStyle style) : style_(style), device_(style.ratio) {}

    [[nodiscard]] QRectF band(int x0, int y0, int x1, int y1) const {
        if (style_.smooth) {
            const qreal r = style_.ratio;
            return {x0 * r, y0 * r, (x1 - x0) * r, (y1 - y0) * r};
        }
        const int left = device_.edge(x0);
        const int top = device_.edge(y0);
        return QRect(left, top, device_.edge(x1) - left, device_.edge(y1) - top);
    }
    [[nodiscard]] QPointF corner(int x, int y) const {
        if (style_.smooth)
            return {x * style_.ratio, y * style_.ratio};
        return QPoint(device_.edge(x), device_.edge(y));
    }
    [[nodiscard]] qreal ratio() const noexcept { return style_.ratio; }

  private:
    DrawingStyle style_;
    DevicePixels device_;
};

// Writes a label with its top-left corner at logical (x, y), scaled to the device, so that its glyphs are
// drawn at the device's resolution. Its opaque background is filled here, exactly from the label's top:
// the painter's own would start at the font's unrounded ascent, which a scaled painter shows as a shade
// over the frame just above.
void drawDeviceLabel(QPainter& painter, const DeviceBands& bands, const QPen& textPen, int x, int y,
                     double value) {
    const PainterState saved(painter);
    painter.translate(bands.corner(x, y));
    painter.scale(bands.ratio(), bands.ratio());
    const QString text = QString::fromLatin1(NumberText(value, 2));
    const QFontMetrics metrics = painter.fontMetrics();
    painter.fillRect(QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()), painter.background());
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(textPen);
    painter.drawText(QPoint(0, metrics.ascent()), text);
}

// The grid at any device pixel ratio or smoothed: the frame and every line are bands of logical pixels
// (a line one logical pixel wide, running from one frame edge up to the other; the frame two wide,
// centred on the plot rectangle's border), the labels at their logical corners.
void drawDeviceGrid(QPainter& painter, QSize size, const ViewTexts& view, const ViewLimits& limits,
                    const PlotMapping& mapping, const PictureColours& colours, DrawingStyle style) {
    const int w = size.width();
    const int h = size.height();
    const PainterState saved(painter);
    painter.setRenderHint(QPainter::Antialiasing, style.smooth);
    painter.setRenderHint(QPainter::TextAntialiasing, style.smooth);
    if (!style.smooth) {
        QFont font = painter.font();
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
    }
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(colours.background);
    const DeviceBands bands(style);

    painter.fillRect(bands.band(kMargin - 1, kMargin - 1, w - kMargin + 1, h - kMargin + 1),
                     colours.background);
    for (const QRectF& edge : {bands.band(kMargin - 1, kMargin - 1, w - kMargin + 1, kMargin + 1),
                               bands.band(kMargin - 1, h - kMargin - 1, w - kMargin + 1, h - kMargin + 1),
                               bands.band(kMargin - 1, kMargin - 1, kMargin + 1, h - kMargin + 1),
                               bands.band(w - kMargin - 1, kMargin - 1, w - kMargin + 1, h - kMargin + 1)})
        painter.fillRect(edge, colours.grid);

    const QPen textPen(colours.labelText);
    forEachGridLine(
        view, limits, mapping,
        [&](int px, double x) {
            painter.fillRect(bands.band(px, kMargin, px + 1, h - kMargin), colours.grid);
            drawDeviceLabel(painter, bands, textPen, px - 3, h - 17, x);
        },
        [&](int py, double y) {
            painter.fillRect(bands.band(kMargin, py, w - kMargin, py + 1), colours.grid);
            drawDeviceLabel(painter, bands, textPen, 3, py - 5, y);
        });
}

} // namespace

void DrawGrid(QImage& bitmap, const ViewTexts& view, std::uint32_t gridColour,
              std::uint32_t backgroundColour) {
    DrawGrid(bitmap, view, ResolvePictureColours(gridColour, backgroundColour));
}

void DrawGrid(QImage& bitmap, const ViewTexts& view, const PictureColours& colours, bool smooth) {
    const ViewLimits limits = ParseLimits(view);
    const QSize size = LogicalSize(bitmap);
    const PlotMapping mapping(size.width(), size.height(), limits);
    if (bitmap.isNull())
        return;
    const DrawingStyle style{bitmap.devicePixelRatio(), smooth};
    if (style.ratio == 1 && !smooth) {
        QPainter painter(&bitmap);
        drawGridLines(painter, size, view, limits, mapping, colours);
        return;
    }
    // Drawn in device pixels, which the bands work out.
    const DeviceCoordinates device(bitmap);
    QPainter painter(&bitmap);
    drawDeviceGrid(painter, size, view, limits, mapping, colours, style);
}

void DrawGrid(QPainter& painter, QSize size, const ViewTexts& view, const PictureColours& colours,
              bool smooth) {
    const ViewLimits limits = ParseLimits(view);
    const PlotMapping mapping(size.width(), size.height(), limits);
    if (smooth)
        drawDeviceGrid(painter, size, view, limits, mapping, colours, {1, true});
    else
        drawGridLines(painter, size, view, limits, mapping, colours);
}

} // namespace orvex
