#pragma once

#include "GraphEntry.h"

#include <QColor>
#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace orvex {

// The texts of the view fields (limits and grid line counts), the master copy of the view.
// Number texts use the decimal separator in force.
struct ViewTexts {
    std::string xmin = "-5";
    std::string xmax = "5";
    std::string ymin = "-5";
    std::string ymax = "5";
    std::string vert = "10"; // vertical grid lines
    std::string hor = "10";  // horizontal grid lines

    bool operator==(const ViewTexts&) const = default;
};

struct ViewLimits {
    double xmin = -5, xmax = 5, ymin = -5, ymax = 5;
};

// Parses the four limit texts; throws ConversionError ("'%s' is not a valid floating point value").
[[nodiscard]] ViewLimits ParseLimits(const ViewTexts& view);
// The same with an explicit decimal separator. A number beyond the double range raises ArithmeticError
// ("Floating point overflow"), as storing it into a double limit would.
[[nodiscard]] ViewLimits ParseLimits(const ViewTexts& view, char separator);

// Raises a span below 1 to exactly 1 above the minimum (xmax := xmin + 1, likewise y), writing the new
// maximum with NumberText(v, 15). Returns false, changing nothing, when any limit text is not a number.
[[nodiscard]] bool RepairLimits(ViewTexts& view);

// Platform colour values: 0x00BBGGRR, or with the top bit set a system colour (low byte = index),
// taken from the application palette (fixed fallbacks without one).
[[nodiscard]] QColor ColorFromValue(std::uint32_t value);
[[nodiscard]] std::uint32_t ValueFromColor(const QColor& color); // explicit colour, top bit clear

// Frame, grid lines and labels on a bitmap already filled with the background colour.
// Throws ConversionError for a limit or count text that is not a number.
void DrawGrid(QImage& bitmap, const ViewTexts& view, std::uint32_t gridColour,
              std::uint32_t backgroundColour);

// Samples one graph and draws it. A graph whose Quality is below 1 is not drawn.
// ArithmeticError from the evaluator ends the pass and propagates; what was drawn stays.
void PlotGraph(QImage& bitmap, const ViewTexts& view, TGraphEntry entry);

// The whole picture as the redraw makes it: limit repair (returns false, bitmap untouched, when a limit
// is not a number), background fill, grid, then every given graph in order. Errors propagate.
[[nodiscard]] bool RenderPicture(QImage& bitmap, ViewTexts& view, std::uint32_t gridColour,
                                 std::uint32_t backgroundColour,
                                 const std::vector<TGraphEntry>& visibleGraphs);

} // namespace orvex
