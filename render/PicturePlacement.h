#pragma once

#include "PictureFiles.h"
#include "PlotMapping.h"

#include <QPoint>
#include <QRect>

#include <optional>

namespace orvex {

// Where the points of the plane lie on a picture drawn from `source`, in its logical pixels: the marks
// drawn over the picture on screen (special points, the study) use it. Throws for limits that are not
// numbers, as ParseLimits does.
class PicturePlacement {
  public:
    explicit PicturePlacement(const PictureSource& source);

    [[nodiscard]] const PlotMapping& mapping() const noexcept { return mapping_; }
    // The plot rectangle, its frame included.
    [[nodiscard]] const QRect& plot() const noexcept { return plot_; }
    // The pixel of (x, y), when it lies inside the plot rectangle.
    [[nodiscard]] std::optional<QPoint> pixelOf(double x, long double y) const;

    // The pixel columns between the margins of a picture of `size`, at least one.
    [[nodiscard]] static int PlotColumns(QSize size);

  private:
    PlotMapping mapping_;
    QRect plot_;
};

} // namespace orvex
