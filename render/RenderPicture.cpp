#include "Renderer.h"

namespace orvex {

bool RenderPicture(QImage& bitmap, ViewTexts& view, std::uint32_t gridColour, std::uint32_t backgroundColour,
                   const std::vector<TGraphEntry>& visibleGraphs) {
    if (!RepairLimits(view))
        return false;
    bitmap.fill(ColorFromValue(backgroundColour));
    DrawGrid(bitmap, view, gridColour, backgroundColour);
    for (const TGraphEntry& entry : visibleGraphs)
        PlotGraph(bitmap, view, entry);
    return true;
}

} // namespace orvex
