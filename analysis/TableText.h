#pragma once

#include "ValueTable.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// A rectangle of chosen cells of a table, bounds included.
struct CellBlock {
    std::size_t top = 0, bottom = 0, left = 0, right = 0;
};

// Reports how many rows are done, now and then, while a long text is made.
using RowProgress = std::function<void(std::size_t rows)>;

// The chosen cells as tab-separated text, one line per row ending in "\n": the rows and columns that any
// block touches, in order, with an empty field for a cell between blocks that no block holds. When every
// block spans all rows (whole columns were chosen), the columns' titles come first. Empty when *stop
// became true on the way.
[[nodiscard]] std::string SelectedText(const ValueTable& table, const std::vector<std::string>& titles,
                                       const std::vector<CellBlock>& blocks,
                                       const std::atomic<bool>* stop = nullptr,
                                       const RowProgress& progress = {});

// The whole table as a CSV file (titles first, then every row, each line ending in "\n", fields separated
// by CsvSeparator(table.separator())), handed to `write` in pieces of some tens of kilobytes. False when a
// write returned false or *stop became true.
[[nodiscard]] bool WriteCsv(const ValueTable& table, const std::vector<std::string>& titles,
                            const std::function<bool(std::string_view piece)>& write,
                            const std::atomic<bool>* stop = nullptr, const RowProgress& progress = {});

} // namespace orvex
