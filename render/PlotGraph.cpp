#include "CurveGeometry.h"
#include "DevicePixels.h"
#include "Renderer.h"

#include <exception>

namespace orvex {

void PlotGraph(QImage& bitmap, const ViewTexts& view, TGraphEntry entry) {
    const ViewLimits limits = ParseLimits(view);
    const PlotCurve curve{entry, ColorFromValue(entry.Color)};
    const CurveGeometry geometry = SampleCurve(curve.entry, LogicalSize(bitmap), limits, {}, nullptr,
                                               {bitmap.devicePixelRatio(), false});
    DrawCurve(bitmap, curve, geometry);
    if (geometry.error)
        std::rethrow_exception(geometry.error);
}

} // namespace orvex
