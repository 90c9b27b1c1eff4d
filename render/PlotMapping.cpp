#include "PlotMapping.h"

#include "Arithmetic.h"
#include "ArithmeticError.h"

#include <cmath>

namespace orvex {

namespace {

constexpr long double kPixelLimit = 1 << 24;

double scale(int pixels, double low, double high) {
    const long double span = static_cast<long double>(high) - low;
    if (span == 0)
        throw ArithmeticError(ArithmeticError::Kind::DivisionByZero);
    return static_cast<double>((pixels - 2 * PlotMapping::kMargin) / span);
}

} // namespace

int RoundPixel(long double v) {
    if (std::isnan(v))
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation);
    // Beyond the limit the position is clamped whatever its rounding would be.
    if (v > kPixelLimit)
        return static_cast<int>(kPixelLimit);
    if (v < -kPixelLimit)
        return -static_cast<int>(kPixelLimit);
    // Within it the nearest integer, halves to even, as rint gives it under the default rounding mode. It
    // goes to int through a double, which holds it exactly: converting an extended value directly switches
    // the x87 rounding mode twice, which costs more than all the rest of the mapping.
    return static_cast<int>(static_cast<double>(detail::NearestInteger(v)));
}

PlotMapping::PlotMapping(int width, int height, const ViewLimits& limits)
    : height_(height), limits_(limits), kx_(scale(width, limits.xmin, limits.xmax)),
      ky_(scale(height, limits.ymin, limits.ymax)) {}

int PlotMapping::column(long double x) const {
    return RoundPixel((x - limits_.xmin) * kx_) + kMargin;
}

int PlotMapping::row(long double y) const {
    return RoundPixel((height_ - 2 * kMargin) - (y - limits_.ymin) * ky_) + kMargin;
}

long double PlotMapping::columnPosition(long double x) const {
    return (x - limits_.xmin) * kx_ + kMargin;
}

long double PlotMapping::rowPosition(long double y) const {
    return (height_ - 2 * kMargin) - (y - limits_.ymin) * ky_ + kMargin;
}

} // namespace orvex
