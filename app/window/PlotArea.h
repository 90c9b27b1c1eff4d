#pragma once

#include <QImage>
#include <QWidget>

namespace orvex {

// The plot area `Image1`: shows a copy of the last completed picture at its top-left corner, with a
// cross-shaped cursor. Reports presses, mouse moves and size changes; the window decides what they do.
class PlotArea : public QWidget {
    Q_OBJECT
  public:
    explicit PlotArea(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    [[nodiscard]] const QImage& picture() const noexcept { return picture_; }

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
};

} // namespace orvex
