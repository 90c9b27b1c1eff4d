#include "PlotArea.h"

#include "PlotMapping.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

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

void PlotArea::setMarkers(OverlayLayer layer, const QList<PlotMarker>& markers) {
    QList<PlotMarker>& held = layers_[static_cast<std::size_t>(layer)];
    if (markers == held)
        return;
    held = markers;
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
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (const QList<PlotMarker>& layer : layers_)
        for (const PlotMarker& marker : layer)
            paintMarker(painter, marker);
}

void PlotArea::paintMarker(QPainter& painter, const PlotMarker& marker) const {
    const QPointF at(marker.at);
    switch (marker.shape) {
    case PlotMarker::Shape::Ring: {
        const int radius = marker.strong ? 7 : 4;
        if (marker.strong) { // a white halo keeps the chosen ring visible on a curve of its colour
            painter.setPen(QPen(Qt::white, 5));
            painter.drawEllipse(at, radius, radius);
        }
        painter.setPen(QPen(marker.colour, marker.strong ? 3 : 1.5));
        painter.drawEllipse(at, radius, radius);
        break;
    }
    case PlotMarker::Shape::Cross: {
        constexpr qreal arm = 6;
        for (const auto& [width, colour] :
             {std::pair{4.0, QColor(Qt::white)}, std::pair{1.5, marker.colour}}) {
            painter.setPen(QPen(colour, width));
            painter.drawLine(at - QPointF(arm, 0), at + QPointF(arm, 0));
            painter.drawLine(at - QPointF(0, arm), at + QPointF(0, arm));
        }
        painter.setPen(QPen(marker.colour, 1.5));
        painter.drawEllipse(at, 3, 3);
        break;
    }
    case PlotMarker::Shape::VerticalLine:
        painter.setPen(QPen(marker.colour, marker.strong ? 2 : 1, Qt::DashLine));
        painter.drawLine(QPointF(at.x(), PlotMapping::kMargin),
                         QPointF(at.x(), height() - PlotMapping::kMargin));
        break;
    case PlotMarker::Shape::Segment:
        painter.setPen(QPen(marker.colour, marker.strong ? 2 : 1.25));
        painter.drawLine(at, QPointF(marker.to));
        break;
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
