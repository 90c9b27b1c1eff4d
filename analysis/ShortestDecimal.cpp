#include "ShortestDecimal.h"

#include <algorithm>
#include <cmath>

namespace orvex::analysis {

double ShortestDecimal(double lo, double hi) {
    if (lo > hi)
        std::swap(lo, hi);
    if (lo <= 0 && hi >= 0)
        return 0;
    const long double largest = std::max(std::fabs(lo), std::fabs(hi));
    const int exponent = static_cast<int>(std::floor(std::log10(largest)));
    for (int digits = 1; digits <= 17; ++digits) {
        const long double unit = std::pow(10.0L, exponent - digits + 1);
        const auto candidate = static_cast<double>(std::ceil(lo / unit) * unit);
        if (candidate >= lo && candidate <= hi)
            return candidate;
    }
    return lo + (hi - lo) / 2;
}

} // namespace orvex::analysis
