#pragma once

#include <string_view>

namespace orvex {

// The running position of the grid lines of one direction: it starts at the lower limit and advances by
// (upper - lower) / count, the step held in extended precision and each sum rounded to a double. The
// first line therefore lies one step above the lower limit and the last one at (about) the upper limit.
class GridAxis {
  public:
    GridAxis(double lower, double upper, int count);

    // Advances to the next line and returns its position. Throws ArithmeticError (overflow) when the
    // position leaves the double range.
    [[nodiscard]] double next();

  private:
    double position_;
    long double step_;
};

// More lines than this cannot be told apart on any picture; a larger count (from a mistyped field or a
// settings file) is drawn as this many, so that the grid never takes minutes.
inline constexpr int kMaxGridLines = 10000;

// The number of grid lines a count field asks for: its integer, or 2 when the field is empty or the
// integer is 0 or negative, at most kMaxGridLines. Throws ConversionError when the text is not an integer.
[[nodiscard]] int GridLineCount(std::string_view text);

} // namespace orvex
