#pragma once

#include "GraphEntry.h"
#include "Renderer.h"

#include <QColor>
#include <QPoint>
#include <QSize>

#include <atomic>
#include <exception>
#include <vector>

class QPainter;

namespace orvex {

class SampleMemory;

// One graph as a redraw draws it: the record and its colour. The colour is resolved beforehand because
// system colours come from the application palette, which only the GUI thread may read.
struct PlotCurve {
    TGraphEntry entry;
    QColor colour;
};

// The curves of the given graphs with their colours resolved (call where the palette may be read).
[[nodiscard]] std::vector<PlotCurve> ResolveCurves(const std::vector<TGraphEntry>& graphs);

// Asks a sampling pass to stop: either flag set means stop.
struct StopRequest {
    const std::atomic<bool>* first = nullptr;
    const std::atomic<bool>* second = nullptr;
    [[nodiscard]] bool requested() const {
        return (first != nullptr && first->load(std::memory_order_relaxed)) ||
               (second != nullptr && second->load(std::memory_order_relaxed));
    }
};

// What one sampling pass of a graph reached: the device pixels of the samples that lay inside the vertical
// limits, in order, each marked when it is joined to the one before it (otherwise it starts a new stretch).
// In line mode a pixel is where the graph's line is drawn, in point mode the top-left of the square of
// one logical pixel. A repeat of the pixel before it is kept (joined) only when that pixel started its
// stretch: a joined point draws its pixel in point mode, while a line from a pixel to itself draws
// nothing. With smoothing, `exact` holds the unrounded device position of every point, for antialiased
// lines. `error` holds the arithmetic error that ended the pass early; `stopped` is set when the pass was
// asked to stop.
struct CurveGeometry {
    DrawingStyle style;
    std::vector<QPoint> points;
    std::vector<bool> joined;
    std::vector<QPointF> exact;
    std::exception_ptr error;
    bool stopped = false;
};

// Samples a graph over the limits for a picture of `size` logical pixels as the curve plotter does: from
// XMin in steps of 1 / Quality, every sample with a value inside YMin..YMax mapped to a pixel,
// consecutive pixels joined when they are at most sqrt(50) logical pixels apart. Where samples that far
// apart in x would lie more than 7 pixels apart (kx / Quality > 7: a narrow view, a wide picture, a low
// quality), the step is divided by the least integer that puts them at most 4 pixels apart, so that a
// continuous curve is drawn as one. A graph whose Quality is below 1 gives nothing. Never throws: an
// error (a zero span, an arithmetic fault of the evaluator) ends the pass and is kept. With a memory,
// outcomes found there are taken instead of evaluating again, and new ones are added to it. The pixels
// are those of a device at `style.ratio`; which points are joined does not depend on it.
[[nodiscard]] CurveGeometry SampleCurve(const TGraphEntry& entry, QSize size, const ViewLimits& limits,
                                        StopRequest stop = {}, SampleMemory* memory = nullptr,
                                        DrawingStyle style = {});

// Draws a sampled graph on the picture (at the ratio it was sampled for): joined pixels as lines with the
// graph's pen in line mode, as single logical pixels of its colour in point mode (the first pixel of a
// stretch is not drawn).
void DrawCurve(QImage& bitmap, const PlotCurve& curve, const CurveGeometry& geometry);
// The same through a painter on any device of `size` logical pixels (pictures kept as vector graphics).
void PaintCurve(QPainter& painter, QSize size, const PlotCurve& curve, const CurveGeometry& geometry);

} // namespace orvex
