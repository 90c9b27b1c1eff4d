#pragma once

#include <cstddef>

namespace orvex {

// The x column of a table of values: x_i = from + i * step for i = 0, 1, ... while x_i does not pass `to`
// by more than step / 1000. The allowance keeps a last row that the rounding of from + i * step leaves a
// hair beyond `to` (0.1 added up to 1). The sums are taken in extended precision; the table holds each x
// as a double, the type of the picture's x.
struct TableRange {
    long double from = 0;
    long double to = 0;
    long double step = 1;
};

inline constexpr std::size_t kMaxTableRows = 1'000'000;

// Why a range has no rows: a step of 0; a step that leads away from `to` (x_0 already passes it); more
// than kMaxTableRows rows; a bound or step beyond the double range (or an x that would leave it).
enum class TableRangeFault { None, ZeroStep, AwayFromEnd, TooManyRows, OutOfRange };

struct TableRows {
    std::size_t count = 0; // 0 with a fault
    TableRangeFault fault = TableRangeFault::None;
};

[[nodiscard]] TableRows CountTableRows(const TableRange& range);

// x_i, held as a double.
[[nodiscard]] double TableX(const TableRange& range, std::size_t i);

} // namespace orvex
