#pragma once

#include "Renderer.h"

#include <QImage>

#include <string>
#include <vector>

namespace orvex::bench {

// A graph for the peer plotter: the formula in muparser's syntax.
struct PeerGraph {
    std::string formula;
    QColor colour;
    int quality = 200;
};

// The usual way of building a plotter, for comparison: each formula compiled to muparser's bytecode,
// sampled like Orvex samples (from XMin in steps of 1/quality, in doubles), joined consecutive points
// drawn with QPainter lines on the picture (over the same background and grid), no 15-digit rounding.
void PeerRedraw(QImage& bitmap, const ViewTexts& view, const std::vector<PeerGraph>& graphs);

} // namespace orvex::bench
