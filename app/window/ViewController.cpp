#include "ViewController.h"

#include "ColorBox.h"
#include "GraphDocument.h"
#include "NumberText.h"
#include "PlotArea.h"

#include <QLineEdit>
#include <QPainter>

namespace orvex {

namespace {

std::string Std(const QLineEdit* edit) {
    return edit->text().toStdString();
}

void SetIfChanged(QLineEdit* edit, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (edit->text() != value)
        edit->setText(value);
}

constexpr QImage::Format kBitmapFormat = QImage::Format_RGB32;

} // namespace

ViewController::ViewController(const ViewControls& controls, QObject* parent)
    : QObject(parent), c_(controls) {}

ViewTexts ViewController::texts() const {
    return {Std(c_.exmin), Std(c_.exmax), Std(c_.eymin), Std(c_.eymax), Std(c_.edit1), Std(c_.edit2)};
}

void ViewController::setTexts(const ViewTexts& texts) {
    SetIfChanged(c_.exmin, texts.xmin);
    SetIfChanged(c_.exmax, texts.xmax);
    SetIfChanged(c_.eymin, texts.ymin);
    SetIfChanged(c_.eymax, texts.ymax);
    SetIfChanged(c_.edit1, texts.vert);
    SetIfChanged(c_.edit2, texts.hor);
}

std::uint32_t ViewController::gridColour() const {
    return c_.gridColour->selectedValue();
}
std::uint32_t ViewController::backgroundColour() const {
    return c_.background->selectedValue();
}

const QImage& ViewController::shownPicture() const {
    return c_.image->picture();
}

void ViewController::drawInitialPicture() {
    const QSize size = c_.image->size().expandedTo(QSize(1, 1));
    plotBitmap_ = QImage(size, kBitmapFormat);
    plotBitmap_.fill(ColorFromValue(backgroundColour()));
    DrawGrid(plotBitmap_, texts(), gridColour(), backgroundColour());
    c_.image->setPicture(plotBitmap_);
}

void ViewController::resizePlotBitmap() {
    const QSize size = c_.image->size();
    if (plotBitmap_.size() == size)
        return;
    if (size.isEmpty()) {
        plotBitmap_ = QImage();
        return;
    }
    // Like a bitmap whose size is changed: the old content stays at the top-left.
    QImage resized(size, kBitmapFormat);
    resized.fill(ColorFromValue(backgroundColour()));
    if (!plotBitmap_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(QPoint(0, 0), plotBitmap_);
    }
    plotBitmap_ = std::move(resized);
}

void ViewController::redraw() {
    resizePlotBitmap();
    ViewTexts view = texts();
    if (plotBitmap_.isNull()) {
        // Nothing to draw on; the limits are still repaired as the redraw would.
        if (RepairLimits(view))
            setTexts(view);
        c_.image->setPicture(QImage());
        return;
    }
    bool completed = false;
    try {
        completed =
            RenderPicture(plotBitmap_, view, gridColour(), backgroundColour(), c_.document->visibleGraphs());
    } catch (...) {
        setTexts(view); // the limit repair happened before the error
        throw;
    }
    if (!completed)
        return;
    setTexts(view);
    c_.image->setPicture(plotBitmap_);
    emit redrawn();
}

void ViewController::apply(ViewCommand command) {
    ViewTexts view = texts();
    try {
        ApplyViewCommand(command, view);
    } catch (...) {
        setTexts(view);
        throw;
    }
    setTexts(view);
    redraw();
}

QString ViewController::readout(QPoint position) const {
    const QSize size = c_.image->size();
    return QString::fromStdString(
        ReadoutText(position.x(), position.y(), size.width(), size.height(), texts(), DecimalSeparator()));
}

} // namespace orvex
