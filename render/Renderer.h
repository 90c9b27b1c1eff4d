#pragma once

#include "GraphEntry.h"

#include <QColor>
#include <QImage>

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class QPainter;

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

// One limit text as a number. A limit is held as a double, so a number beyond the double range raises
// ArithmeticError ("Floating point overflow"); a text that is not a number raises ConversionError. The
// value is returned in extended precision, as read.
[[nodiscard]] long double ReadLimit(std::string_view text, char separator);

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

struct PlotCurve;
class SampleMemory;

// How a picture reaches its device: `ratio` device pixels per logical pixel (a picture's QImage carries it
// as its device pixel ratio; the geometry stays in logical pixels), and with `smooth` the curves are drawn
// antialiased through their exact positions and the grid antialiased. Ratio 1 without smoothing is the
// picture as the plot rectangle's rules give it, pixel for pixel.
struct DrawingStyle {
    qreal ratio = 1;
    bool smooth = false;
};

// The colours of a picture, resolved where the application palette may be read (the GUI thread).
struct PictureColours {
    QColor background;
    QColor grid;
    QColor labelText;
};
// The labels are written in the platform's window-text colour.
inline constexpr std::uint32_t kLabelTextColour = 0x80000008u;
[[nodiscard]] PictureColours ResolvePictureColours(std::uint32_t gridColour, std::uint32_t backgroundColour);

// Frame, grid lines and labels on a bitmap already filled with the background colour, at the bitmap's
// device pixel ratio (its logical size is LogicalSize(bitmap)). Throws ConversionError for a limit or
// count text that is not a number.
void DrawGrid(QImage& bitmap, const ViewTexts& view, std::uint32_t gridColour,
              std::uint32_t backgroundColour);
void DrawGrid(QImage& bitmap, const ViewTexts& view, const PictureColours& colours, bool smooth = false);
// The same through a painter on any device of `size` logical pixels (pictures kept as vector graphics).
void DrawGrid(QPainter& painter, QSize size, const ViewTexts& view, const PictureColours& colours,
              bool smooth = false);

// Samples one graph and draws it at the bitmap's device pixel ratio. A graph whose Quality is below 1 is
// not drawn. ArithmeticError from the evaluator ends the pass and propagates; what was drawn stays.
void PlotGraph(QImage& bitmap, const ViewTexts& view, TGraphEntry entry);

enum class CurvesResult { Completed, Cancelled };
// Draws the curves over the picture in list order, later ones over earlier ones, while the graphs are
// sampled concurrently on the sampling pool: the picture is the one drawing them one by one gives. A graph
// whose sampling ended on an error is drawn up to that point, then the error is rethrown and the later
// graphs are not drawn. Cancelled (the picture left incomplete) when *cancel becomes true. With a memory,
// the graphs take the outcomes it holds from earlier redraws instead of evaluating again. The curves are
// drawn at the bitmap's device pixel ratio.
[[nodiscard]] CurvesResult DrawCurves(QImage& bitmap, const ViewLimits& limits,
                                      const std::vector<PlotCurve>& curves,
                                      const std::atomic<bool>* cancel = nullptr,
                                      SampleMemory* memory = nullptr, bool smooth = false);

// The whole picture as the redraw makes it, at the bitmap's device pixel ratio: limit repair (returns
// false, bitmap untouched, when a limit is not a number), background fill, grid, then every given graph
// in order. Errors propagate.
[[nodiscard]] bool RenderPicture(QImage& bitmap, ViewTexts& view, std::uint32_t gridColour,
                                 std::uint32_t backgroundColour,
                                 const std::vector<TGraphEntry>& visibleGraphs, bool smooth = false);

// The same picture (limits already repaired) through a painter on any device of `size` logical pixels,
// for pictures kept as vector graphics. Errors propagate.
void PaintPicture(QPainter& painter, QSize size, const ViewTexts& view, const PictureColours& colours,
                  const std::vector<PlotCurve>& curves, bool smooth = false);

} // namespace orvex
