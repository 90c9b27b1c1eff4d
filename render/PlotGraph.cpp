#include "CurveGeometry.h"
#include "Renderer.h"

#include <exception>

namespace orvex {

void PlotGraph(QImage& bitmap, const ViewTexts& view, TGraphEntry entry) {
    const ViewLimits limits = ParseLimits(view);
    const PlotCurve curve{entry, ColorFromValue(entry.Color)};
    const CurveGeometry geometry = SampleCurve(curve.entry, bitmap.size(), limits);
    DrawCurve(bitmap, curve, geometry);
    if (geometry.error)
        std::rethrow_exception(geometry.error);
}

} // namespace orvex
