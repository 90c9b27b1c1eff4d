#pragma once

#include "Renderer.h"

#include <optional>
#include <string>
#include <vector>

namespace orvex {

// The ten view commands: each adds or subtracts exactly 1 to some limits.
enum class ViewCommand {
    MoveLeft,
    MoveRight,
    MoveUp,
    MoveDown,
    HorMin,
    HorMax,
    VertMin,
    VertMax,
    AllMax,
    AllMin
};

// Parses the named fields, shifts them, writes each back with NumberText(v, 15) field by field (xmin,
// xmax, ymin, ymax). Throws ConversionError at the first field that is not a number, ArithmeticError
// (overflow) at the first one beyond the double range; fields already rewritten stay rewritten. No limit
// repair here: the redraw does that.
void ApplyViewCommand(ViewCommand command, ViewTexts& view);

enum class MouseButton { Left, Right, Middle };
// Commands a press on the plot area runs, in order (Shift and Ctrl both held: horizontal then vertical).
[[nodiscard]] std::vector<ViewCommand> CommandsForClick(MouseButton button, bool shift, bool ctrl);
// One wheel step: towards the user (down) when `towardsUser`.
[[nodiscard]] ViewCommand CommandForWheel(bool towardsUser, bool shift);

// A coordinate formatted for the read-out: "1.20", "-0.50", "1.2E02", "1E03" (with the given separator).
[[nodiscard]] std::string FormatReadoutValue(double v, char separator);
// "(x, y)" for the cursor at pixel (px, py) of a plot area w x h. Throws ConversionError for a limit that
// is not a number. A plot area 40 pixels or less across or high gives the limits' midpoint on that axis.
[[nodiscard]] std::string ReadoutText(int px, int py, int w, int h, const ViewTexts& view, char separator);

} // namespace orvex
