#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>

namespace orvex {

// A ring drawn over the picture at a pixel of it (the special points of a graph); a strong one marks
// the point chosen in the table.
struct PlotMarker {
    QPoint at;
    QColor colour;
    bool strong = false;
    bool operator==(const PlotMarker&) const = default;
};

// The plot area `Image1`: shows a copy of the last completed picture at its top-left corner, with a
// cross-shaped cursor, and the markers over it (which are not part of the picture: saving, copying and
// printing leave them out). Reports presses, mouse moves and size changes; the window decides what they
// do.
class PlotArea : public QWidget {
    Q_OBJECT
  public:
    explicit PlotArea(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    [[nodiscard]] const QImage& picture() const noexcept { return picture_; }

    void setMarkers(const QList<PlotMarker>& markers);
    [[nodiscard]] const QList<PlotMarker>& markers() const noexcept { return markers_; }

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
    QImage picture_;
    QList<PlotMarker> markers_;
};

} // namespace orvex
