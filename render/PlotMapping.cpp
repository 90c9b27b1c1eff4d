#include "PlotMapping.h"

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
    // rint rounds like nearbyint under the default rounding mode (halves to even) without saving and
    // restoring the floating-point environment, which costs more than the rest of the mapping.
    const long double r = std::rint(v);
    if (r > kPixelLimit)
        return static_cast<int>(kPixelLimit);
    if (r < -kPixelLimit)
        return -static_cast<int>(kPixelLimit);
    return static_cast<int>(r);
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

} // namespace orvex
