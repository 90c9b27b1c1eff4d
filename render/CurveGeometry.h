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

// What one sampling pass of a graph reached: the pixels of the samples that lay inside the vertical limits,
// in order, each marked when it is joined to the pixel before it (otherwise it starts a new stretch). A
// repeat of the pixel before it is kept (joined) only when that pixel started its stretch: a joined point
// draws its pixel in point mode, while a line from a pixel to itself draws nothing. `error` holds the
// arithmetic error that ended the pass early; `stopped` is set when the pass was asked to stop.
struct CurveGeometry {
    std::vector<QPoint> points;
    std::vector<bool> joined;
    std::exception_ptr error;
    bool stopped = false;
};

// Samples a graph over the limits for a picture of `size` exactly as the curve plotter does: from XMin in
// steps of 1 / Quality, every sample with a value inside YMin..YMax mapped to a pixel, consecutive pixels
// joined when they are at most sqrt(50) apart. A graph whose Quality is below 1 gives nothing. Never
// throws: an error (a zero span, an arithmetic fault of the evaluator) ends the pass and is kept. With a
// memory, outcomes found there are taken instead of evaluating again, and new ones are added to it.
[[nodiscard]] CurveGeometry SampleCurve(const TGraphEntry& entry, QSize size, const ViewLimits& limits,
                                        StopRequest stop = {}, SampleMemory* memory = nullptr);

// Draws a sampled graph on the picture: joined pixels as lines with the graph's pen in line mode, as
// single pixels of its colour in point mode (the first pixel of a stretch is not drawn).
void DrawCurve(QImage& bitmap, const PlotCurve& curve, const CurveGeometry& geometry);
// The same through a painter on any device of `size` pixels (pictures kept as vector graphics).
void PaintCurve(QPainter& painter, QSize size, const PlotCurve& curve, const CurveGeometry& geometry);

} // namespace orvex
