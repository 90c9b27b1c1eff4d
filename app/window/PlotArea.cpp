#include "PlotArea.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvex {

PlotArea::PlotArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Image1"));
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PlotArea::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PlotArea::setMarkers(const QList<PlotMarker>& markers) {
    if (markers == markers_)
        return;
    markers_ = markers;
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
    if (markers_.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (const PlotMarker& marker : markers_) {
        const int radius = marker.strong ? 7 : 4;
        if (marker.strong) { // a white halo keeps the chosen ring visible on a curve of its colour
            painter.setPen(QPen(Qt::white, 5));
            painter.drawEllipse(QPointF(marker.at), radius, radius);
        }
        painter.setPen(QPen(marker.colour, marker.strong ? 3 : 1.5));
        painter.drawEllipse(QPointF(marker.at), radius, radius);
    }
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
