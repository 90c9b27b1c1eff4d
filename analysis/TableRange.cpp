#include "TableRange.h"

#include <cfloat>
#include <cmath>

namespace orvex {

namespace {

long double exactX(const TableRange& range, std::size_t i) {
    return range.from + static_cast<long double>(i) * range.step;
}

// x_i does not pass `to` by more than a thousandth of the step.
bool withinRange(const TableRange& range, std::size_t i) {
    const long double beyond = exactX(range, i) - range.to;
    const long double allowance = range.step / 1000;
    return range.step > 0 ? beyond <= allowance : beyond >= allowance;
}

bool inDoubleRange(long double v) {
    return std::fabs(v) <= DBL_MAX;
}

} // namespace

TableRows CountTableRows(const TableRange& range) {
    if (!inDoubleRange(range.from) || !inDoubleRange(range.to) || !inDoubleRange(range.step))
        return {0, TableRangeFault::OutOfRange};
    if (range.step == 0)
        return {0, TableRangeFault::ZeroStep};
    if (!withinRange(range, 0))
        return {0, TableRangeFault::AwayFromEnd};
    // The last index from the quotient, then checked against the rule itself, which decides at the edge.
    const long double last = std::floor((range.to - range.from) / range.step + 0.001L);
    if (!(last < static_cast<long double>(kMaxTableRows)))
        return {0, TableRangeFault::TooManyRows};
    auto n = static_cast<std::size_t>(last < 0 ? 0 : last);
    while (n > 0 && !withinRange(range, n))
        --n;
    while (n + 1 <= kMaxTableRows && withinRange(range, n + 1))
        ++n;
    if (n + 1 > kMaxTableRows)
        return {0, TableRangeFault::TooManyRows};
    if (!std::isfinite(TableX(range, n)))
        return {0, TableRangeFault::OutOfRange};
    return {n + 1, TableRangeFault::None};
}

double TableX(const TableRange& range, std::size_t i) {
    return static_cast<double>(exactX(range, i));
}

} // namespace orvex
