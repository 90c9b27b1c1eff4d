#include "Tracer.h"

#include "GraphDocument.h"
#include "GraphTrace.h"
#include "NumberText.h"
#include "PlotArea.h"
#include "PlotMapping.h"
#include "StatusPanels.h"
#include "ViewController.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvex {

namespace {

const char* const kChooseGraph = "Трассировка: выберите график в списке графиков.";
const char* const kKeysHelp = "Трассировка графика «%1»: ←/→ — на пиксель, Shift+←/→ — на 10 пикселей, "
                              "Esc — закончить.";
constexpr int kBigStep = 10;
constexpr double kTangentHalfLength = 80; // pixels on each side of the cross

// The segment from a - d to a + d cut to the rectangle (Liang-Barsky); nothing when it misses it.
std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF d, const QRectF& r) {
    double t0 = -1, t1 = 1;
    const double p[] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return std::nullopt;
    return std::pair{a + t0 * d, a + t1 * d};
}

// The direction of the tangent on the screen, kTangentHalfLength long, for a slope in units of the axes.
QPointF tangentDirection(long double slope, double kx, double ky) {
    const long double down = -slope * ky / kx; // rows per column
    if (!std::isfinite(down))
        return {0, kTangentHalfLength};
    const long double length = std::hypot(1.0L, down);
    return {static_cast<double>(kTangentHalfLength / length),
            static_cast<double>(kTangentHalfLength * down / length)};
}

// A tangent in the graph's own colour would vanish into the curve where it touches it: it is drawn in a
// colour that stands out from the background, grey where the graph itself has that colour.
QColor tangentColour(const QColor& graph, const QColor& background) {
    const bool darkOnLight = background.lightness() >= 128;
    const bool graphLikeInk = darkOnLight ? graph.lightness() < 64 : graph.lightness() > 192;
    if (graphLikeInk)
        return QColor(128, 128, 128);
    return darkOnLight ? QColor(Qt::black) : QColor(Qt::white);
}

bool isTextField(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr;
}

} // namespace

Tracer::Tracer(QAction* command, GraphDocument* document, ViewController* view, PlotArea* plotArea,
               StatusPanels* status, QObject* parent)
    : QObject(parent), command_(command), tangent_(new QAction(QStringLiteral("Касательная"), this)),
      document_(document), view_(view), plotArea_(plotArea), status_(status) {
    command_->setCheckable(true);
    tangent_->setObjectName(QStringLiteral("Tangent"));
    tangent_->setCheckable(true);
    tangent_->setStatusTip(QStringLiteral("Касательная к графику в точке трассировки"));
    connect(command_, &QAction::toggled, this, [this](bool on) { on ? start() : stop(); });
    connect(tangent_, &QAction::toggled, this, &Tracer::refresh);
    plotArea_->installEventFilter(this);
}

Tracer::~Tracer() = default;

bool Tracer::isOn() const {
    return command_->isChecked();
}

const GraphTrace& Tracer::traceOf(const std::string& formula) {
    const char separator = DecimalSeparator();
    if (!trace_ || trace_->formula() != formula || traceSeparator_ != separator) {
        trace_ = std::make_unique<GraphTrace>(formula);
        traceSeparator_ = separator;
    }
    return *trace_;
}

void Tracer::start() {
    const QPoint mouse = plotArea_->mapFromGlobal(QCursor::pos());
    column_ = plotArea_->rect().contains(mouse) ? mouse.x() : plotArea_->width() / 2;
    plotArea_->setFocus(Qt::OtherFocusReason); // the keys move the cross at once
    show(true);
}

void Tracer::stop() {
    clear();
    status_->setPanelText(0, QString());
    status_->setPanelText(1, QString());
}

void Tracer::clear() {
    plotArea_->setMarkers(OverlayLayer::Trace, {});
    plotArea_->setToolTip(QString());
    QToolTip::hideText();
}

bool Tracer::follow(QPoint position) {
    if (!isOn())
        return false;
    column_ = position.x();
    // Moving over the plot area gives it the keys (from the graph list, say), not from a text field.
    const QWidget* focus = QApplication::focusWidget();
    if (!plotArea_->hasFocus() && plotArea_->isActiveWindow() && !isTextField(focus))
        plotArea_->setFocus(Qt::MouseFocusReason);
    show(true);
    return true;
}

void Tracer::refresh() {
    if (isOn())
        show(QToolTip::isVisible());
}

void Tracer::step(int columns) {
    column_ += columns;
    show(true);
}

bool Tracer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == plotArea_ && event->type() == QEvent::KeyPress && isOn()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        const bool plain = modifiers == Qt::NoModifier;
        const bool shift = modifiers == Qt::ShiftModifier;
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (!plain && !shift)
                break;
            step((key->key() == Qt::Key_Left ? -1 : 1) * (shift ? kBigStep : 1));
            return true;
        case Qt::Key_Escape:
            if (!plain)
                break;
            command_->setChecked(false);
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void Tracer::show(bool hint) {
    const int graph = document_->selectedIndex();
    if (graph < 0) {
        clear();
        status_->setPanelText(0, QString::fromUtf8(kChooseGraph));
        status_->setPanelText(1, QString());
        return;
    }
    const PictureSource& source = view_->shownSource();
    const int width = source.size.width();
    const int height = source.size.height();
    const int left = PlotMapping::kMargin;
    const int right = width - PlotMapping::kMargin;
    if (source.size.isEmpty() || right < left) {
        clear();
        return;
    }
    column_ = std::clamp(column_, left, right);

    QString text;
    QList<PlotMarker> markers;
    QPoint at(column_, height / 2);
    try {
        const ViewLimits limits = ParseLimits(source.view);
        const PlotMapping mapping(width, height, limits);
        const TraceReading reading =
            traceOf(document_->record(graph).Formula).at(ColumnX(column_, width, limits.xmin, limits.xmax));
        text = QString::fromStdString(TraceText(reading));
        const QRect plot(left, left, right - left + 1, height - 2 * left + 1);
        if (reading.y.kind == ValueCell::Kind::Value &&
            plot.contains(column_, mapping.row(reading.y.value))) {
            at.setY(mapping.row(reading.y.value));
            const QColor colour = ColorFromValue(document_->record(graph).Color);
            PlotMarker cross;
            cross.at = at;
            cross.colour = colour;
            cross.shape = PlotMarker::Shape::Cross;
            if (tangent_->isChecked() && reading.slope.kind == ValueCell::Kind::Value) {
                const QPointF direction = tangentDirection(reading.slope.value, mapping.kx(), mapping.ky());
                if (const auto ends = clipSegment(
                        at, direction, QRectF(plot.left(), plot.top(), right - left, height - 2 * left))) {
                    PlotMarker tangent;
                    tangent.shape = PlotMarker::Shape::Segment;
                    tangent.colour = tangentColour(colour, source.colours.background);
                    tangent.at = ends->first.toPoint();
                    tangent.to = ends->second.toPoint();
                    markers.append(tangent);
                }
            }
            markers.append(cross); // over the tangent
        }
    } catch (const std::exception&) {
        clear(); // limits that are not numbers: the picture on screen shows no graph to trace
        return;
    }
    plotArea_->setMarkers(OverlayLayer::Trace, markers);
    plotArea_->setToolTip(text);
    status_->setPanelText(0, QString::fromUtf8(kKeysHelp).arg(document_->itemText(graph)));
    status_->setPanelText(1, text);
    if (hint)
        QToolTip::showText(plotArea_->mapToGlobal(at + QPoint(10, 20)), text, plotArea_);
}

} // namespace orvex
