#pragma once

#include "Renderer.h"

namespace orvex {

// The plot rectangle of a picture: an 18-pixel margin on every side, x = XMin at column 18 and XMax at
// column W - 18, y = YMax at row 18 and YMin at row H - 18. Pixel positions are rounded to the nearest
// integer, halves to even. Computations run in extended precision; the scales are held as doubles.
class PlotMapping {
  public:
    static constexpr int kMargin = 18;

    // Throws ArithmeticError (division by zero) when a span is zero.
    PlotMapping(int width, int height, const ViewLimits& limits);

    [[nodiscard]] double kx() const noexcept { return kx_; }
    [[nodiscard]] double ky() const noexcept { return ky_; }

    [[nodiscard]] int column(long double x) const;
    [[nodiscard]] int row(long double y) const;
    // The same positions before rounding: R(columnPosition(x)) is column(x) up to the rounding of the
    // margin's addition.
    [[nodiscard]] long double columnPosition(long double x) const;
    [[nodiscard]] long double rowPosition(long double y) const;

  private:
    int height_;
    ViewLimits limits_;
    double kx_;
    double ky_;
};

// Rounds a pixel position to the nearest integer, halves to even (the default rounding mode). Positions
// far outside any picture are clamped so that they stay representable; NaN raises ArithmeticError.
[[nodiscard]] int RoundPixel(long double v);

} // namespace orvex
