#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>

#include <array>
#include <cstddef>

namespace orvex {

// A mark drawn over the picture at a pixel of it: a ring (the special points of a graph, the points of a
// study; a strong one marks the point chosen in a table), a cross (the trace cursor), a vertical line
// across the plot rectangle (a vertical asymptote) or a segment from `at` to `to` (a tangent).
struct PlotMarker {
    enum class Shape { Ring, Cross, VerticalLine, Segment };
    QPoint at;
    QColor colour;
    bool strong = false;
    Shape shape = Shape::Ring;
    QPoint to; // the other end of a segment
    bool operator==(const PlotMarker&) const = default;
};

// The independent sets of marks over the picture; each owner replaces only its own.
enum class OverlayLayer : std::size_t { SpecialPoints, Study, Trace, Count };

// The plot area `Image1`: shows a copy of the last completed picture at its top-left corner, with a
// cross-shaped cursor, and the marks over it (which are not part of the picture: saving, copying and
// printing leave them out). Reports presses, mouse moves and size changes; the window decides what they
// do.
class PlotArea : public QWidget {
    Q_OBJECT
  public:
    explicit PlotArea(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    [[nodiscard]] const QImage& picture() const noexcept { return picture_; }

    void setMarkers(OverlayLayer layer, const QList<PlotMarker>& markers);
    [[nodiscard]] const QList<PlotMarker>& markers(OverlayLayer layer = OverlayLayer::SpecialPoints) const {
        return layers_[static_cast<std::size_t>(layer)];
    }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

  signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void moved(QPoint position);
    void resized();
    void wheelTurned(QPoint angleDelta, Qt::KeyboardModifiers modifiers);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void paintMarker(class QPainter& painter, const PlotMarker& marker) const;

    QImage picture_;
    std::array<QList<PlotMarker>, static_cast<std::size_t>(OverlayLayer::Count)> layers_;
};

} // namespace orvex
