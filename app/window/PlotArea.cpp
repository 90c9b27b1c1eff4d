#include "PlotArea.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvex {

PlotArea::PlotArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Image1"));
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PlotArea::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

QSize PlotArea::sizeHint() const {
    return {600, 400};
}
QSize PlotArea::minimumSizeHint() const {
    return {0, 0};
}

void PlotArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Outside the picture (a redraw that stopped, or before the first one) shows the window colour.
    painter.fillRect(event->rect(), palette().window());
    if (!picture_.isNull())
        painter.drawImage(QPoint(0, 0), picture_);
}

void PlotArea::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->modifiers());
    event->accept();
}

void PlotArea::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
    event->accept();
}

void PlotArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

void PlotArea::wheelEvent(QWheelEvent* event) {
    emit wheelTurned(event->angleDelta(), event->modifiers());
    event->accept();
}

} // namespace orvex
