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
        // lo / unit is rounded: when lo is itself such a decimal (the double nearest 1E-5), the quotient
        // may come out just above the whole number, so the one below is tried first.
        const long double steps = lo / unit;
        for (const long double whole : {std::floor(steps), std::ceil(steps)}) {
            const auto candidate = static_cast<double>(whole * unit);
            if (candidate >= lo && candidate <= hi)
                return candidate;
        }
    }
    return lo + (hi - lo) / 2;
}

} // namespace orvex::analysis
