#include "ArithmeticError.h"
#include "NumberText.h"
#include "Renderer.h"

#include <cmath>
#include <limits>

namespace orvex {

long double ReadLimit(std::string_view text, char separator) {
    const long double v = StrToFloat(text, separator);
    if (std::fabs(v) > std::numeric_limits<double>::max())
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return v;
}

namespace {

double limitValue(const std::string& text, char separator) {
    return static_cast<double>(ReadLimit(text, separator));
}

// Raises `maxText` to min + 1 when the span is below 1.
void repairSpan(double min, double max, std::string& maxText) {
    if (static_cast<long double>(max) - min < 1)
        maxText = NumberText(static_cast<long double>(min) + 1, 15);
}

} // namespace

ViewLimits ParseLimits(const ViewTexts& view, char separator) {
    ViewLimits limits;
    limits.xmin = limitValue(view.xmin, separator);
    limits.xmax = limitValue(view.xmax, separator);
    limits.ymin = limitValue(view.ymin, separator);
    limits.ymax = limitValue(view.ymax, separator);
    return limits;
}

ViewLimits ParseLimits(const ViewTexts& view) {
    return ParseLimits(view, DecimalSeparator());
}

bool RepairLimits(ViewTexts& view) {
    ViewLimits limits;
    try {
        limits = ParseLimits(view);
    } catch (const ConversionError&) {
        return false;
    } catch (const ArithmeticError&) {
        return false;
    }
    repairSpan(limits.xmin, limits.xmax, view.xmax);
    repairSpan(limits.ymin, limits.ymax, view.ymax);
    return true;
}

} // namespace orvex
