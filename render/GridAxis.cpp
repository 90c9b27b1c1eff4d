#include "GridAxis.h"

#include "ArithmeticError.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace orvex {

GridAxis::GridAxis(double lower, double upper, int count)
    : position_(lower), step_((static_cast<long double>(upper) - lower) / count) {}

double GridAxis::next() {
    position_ = static_cast<double>(position_ + step_);
    if (!std::isfinite(position_))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return position_;
}

int GridLineCount(std::string_view text) {
    if (text.empty())
        return 2;
    const int count = StrToInt(text);
    return count > 0 ? std::min(count, kMaxGridLines) : 2;
}

} // namespace orvex
