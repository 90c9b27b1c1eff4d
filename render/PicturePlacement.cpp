#include "PicturePlacement.h"

#include <algorithm>

namespace orvex {

PicturePlacement::PicturePlacement(const PictureSource& source)
    : mapping_(source.size.width(), source.size.height(), ParseLimits(source.view)),
      plot_(PlotMapping::kMargin, PlotMapping::kMargin, source.size.width() - 2 * PlotMapping::kMargin + 1,
            source.size.height() - 2 * PlotMapping::kMargin + 1) {}

std::optional<QPoint> PicturePlacement::pixelOf(double x, long double y) const {
    const QPoint at(mapping_.column(x), mapping_.row(y));
    if (!plot_.contains(at))
        return std::nullopt;
    return at;
}

int PicturePlacement::PlotColumns(QSize size) {
    return std::max(1, size.width() - 2 * PlotMapping::kMargin);
}

} // namespace orvex
