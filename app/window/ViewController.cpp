#include "ViewController.h"

#include "ArithmeticError.h"
#include "ColorBox.h"
#include "DevicePixels.h"
#include "EventWait.h"
#include "GraphDocument.h"
#include "HeapPolicy.h"
#include "NumberText.h"
#include "PlotArea.h"
#include "RedrawRunner.h"

#include <QLineEdit>
#include <QPainter>

#include <algorithm>

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

// The same picture but for its size: the same limits, grid, colours and graphs.
bool SameContent(const PictureSource& a, const PictureSource& b) {
    const auto sameCurve = [](const PlotCurve& p, const PlotCurve& q) {
        return p.entry == q.entry && p.colour == q.colour;
    };
    return a.view == b.view && a.colours.background == b.colours.background &&
           a.colours.grid == b.colours.grid && a.colours.labelText == b.colours.labelText &&
           std::equal(a.curves.begin(), a.curves.end(), b.curves.begin(), b.curves.end(), sameCurve);
}

} // namespace

ViewController::ViewController(const ViewControls& controls, QObject* parent)
    : QObject(parent), c_(controls), runner_(new RedrawRunner(this)) {
    connect(runner_, &RedrawRunner::finished, this, &ViewController::finishRedraw);
}

ViewController::~ViewController() {
    delete runner_; // cancels and waits for the drawing thread
    runner_ = nullptr;
}

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

void ViewController::setSmoothing(bool smooth) {
    smooth_ = smooth;
}

void ViewController::drawInitialPicture() {
    PictureSource source;
    source.size = c_.image->size().expandedTo(QSize(1, 1));
    source.view = texts();
    source.colours = ResolvePictureColours(gridColour(), backgroundColour());
    source.smooth = smooth_;
    plotBitmap_ = MakePicture(source.size, c_.image->devicePixelRatioF());
    plotBitmap_.fill(source.colours.background);
    DrawGrid(plotBitmap_, source.view, source.colours, smooth_);
    c_.image->setPicture(plotBitmap_);
    shownSource_ = std::move(source);
}

void ViewController::resizePlotBitmap() {
    // The plot area's size in logical pixels, drawn at the device pixels of its screen.
    const QSize size = c_.image->size();
    const qreal ratio = c_.image->devicePixelRatioF();
    if (LogicalSize(plotBitmap_) == size && plotBitmap_.devicePixelRatio() == ratio)
        return;
    if (size.isEmpty()) {
        plotBitmap_ = QImage();
        return;
    }
    // Like a bitmap whose size is changed: the old content stays at the top-left.
    QImage resized = MakePicture(size, ratio);
    resized.fill(ColorFromValue(backgroundColour()));
    if (!plotBitmap_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(QPoint(0, 0), plotBitmap_);
    }
    plotBitmap_ = std::move(resized);
}

void ViewController::stopDrawing() {
    runner_->cancel();
    ++generation_; // whatever is still on its way is stale now
    drawing_ = false;
}

void ViewController::redraw() {
    resizePlotBitmap();
    ViewTexts view = texts();
    if (plotBitmap_.isNull()) {
        stopDrawing();
        // Nothing to draw on; the limits are still repaired as the redraw would.
        if (RepairLimits(view))
            setTexts(view);
        c_.image->setPicture(QImage());
        return;
    }
    if (!RepairLimits(view)) {
        stopDrawing(); // the picture stays as it was
        return;
    }
    setTexts(view);

    PictureSource source;
    source.size = LogicalSize(plotBitmap_);
    source.view = view;
    source.colours = ResolvePictureColours(gridColour(), backgroundColour());
    source.smooth = smooth_;
    source.curves = ResolveCurves(c_.document->visibleGraphs());
    QImage picture = MakePicture(source.size, plotBitmap_.devicePixelRatio());
    picture.fill(source.colours.background);
    try {
        DrawGrid(picture, view, source.colours, smooth_);
    } catch (const std::exception& e) {
        stopDrawing();
        plotBitmap_ = picture; // as the stopped redraw left it
        const bool report = newFailure(source, QString::fromUtf8(e.what()));
        emit pictureFailed();
        if (report)
            throw;
        return;
    } catch (...) {
        stopDrawing();
        plotBitmap_ = picture;
        throw;
    }
    std::vector<std::string> kept;
    for (const PlotCurve& curve : source.curves)
        kept.push_back(FormulaKey(curve.entry.Formula, DecimalSeparator()));
    memory_.keepOnly(kept);

    RedrawJob job;
    job.generation = ++generation_;
    job.picture = std::move(picture);
    job.limits = ParseLimits(view);
    job.curves = source.curves;
    job.memory = &memory_;
    job.smooth = smooth_;
    pendingSource_ = std::move(source);
    drawing_ = true;
    runner_->start(std::move(job));
}

void ViewController::finishRedraw(const RedrawResult& result) {
    if (result.generation != generation_ || result.cancelled)
        return;
    drawing_ = false;
    TrimHeapWhenIdle(); // the drawing's samples and pictures are freed by now
    plotBitmap_ = result.picture;
    if (!result.error.isEmpty()) {
        const bool report = newFailure(pendingSource_, result.error);
        emit pictureFailed();
        if (report)
            emit redrawFailed(result.error);
        return;
    }
    failed_ = false;
    reportedSource_.reset();
    shownSource_ = std::move(pendingSource_);
    c_.image->setPicture(plotBitmap_);
    emit redrawn();
}

bool ViewController::newFailure(const PictureSource& source, const QString& message) {
    failed_ = true;
    if (reportedSource_ && reportedError_ == message && SameContent(*reportedSource_, source))
        return false;
    reportedSource_ = source;
    reportedError_ = message;
    return true;
}

void ViewController::waitForPicture(int timeoutMs) {
    ProcessEventsWhile([this] { return drawing_; }, timeoutMs);
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
    try {
        return QString::fromStdString(ReadoutText(position.x(), position.y(), size.width(), size.height(),
                                                  texts(), DecimalSeparator()));
    } catch (const ArithmeticError&) {
        return {}; // a limit beyond the double range draws nothing, and shows nothing either
    }
}

} // namespace orvex
