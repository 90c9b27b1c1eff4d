#include "TableText.h"

#include "DelimitedText.h"

#include <algorithm>
#include <utility>

namespace orvex {

namespace {

constexpr std::size_t kCheckEvery = 1024;       // rows between looks at the stop flag
constexpr std::size_t kProgressEvery = 1 << 14; // rows between progress reports
constexpr std::size_t kPieceSize = 1 << 16;     // bytes handed to the writer at once

bool stopped(const std::atomic<bool>* stop, std::size_t row) {
    return stop != nullptr && row % kCheckEvery == 0 && stop->load(std::memory_order_relaxed);
}

void report(const RowProgress& progress, std::size_t done) {
    if (progress && done % kProgressEvery == 0)
        progress(done);
}

// Sorted, overlapping or touching intervals joined.
std::vector<std::pair<std::size_t, std::size_t>>
merged(std::vector<std::pair<std::size_t, std::size_t>> spans) {
    std::sort(spans.begin(), spans.end());
    std::vector<std::pair<std::size_t, std::size_t>> out;
    for (const auto& span : spans) {
        if (!out.empty() && span.first <= out.back().second + 1)
            out.back().second = std::max(out.back().second, span.second);
        else
            out.push_back(span);
    }
    return out;
}

} // namespace

std::string SelectedText(const ValueTable& table, const std::vector<std::string>& titles,
                         const std::vector<CellBlock>& given, const std::atomic<bool>* stop,
                         const RowProgress& progress) {
    std::vector<CellBlock> blocks;
    for (CellBlock b : given) {
        if (b.top > b.bottom || b.left > b.right || b.top >= table.rowCount() ||
            b.left >= table.columnCount())
            continue;
        b.bottom = std::min(b.bottom, table.rowCount() - 1);
        b.right = std::min(b.right, table.columnCount() - 1);
        blocks.push_back(b);
    }
    if (blocks.empty())
        return {};
    std::vector<std::pair<std::size_t, std::size_t>> rowSpans, columnSpans;
    bool wholeColumns = true;
    for (const CellBlock& b : blocks) {
        rowSpans.emplace_back(b.top, b.bottom);
        columnSpans.emplace_back(b.left, b.right);
        wholeColumns = wholeColumns && b.top == 0 && b.bottom + 1 == table.rowCount();
    }
    std::vector<std::size_t> columns;
    for (const auto& [first, last] : merged(columnSpans))
        for (std::size_t c = first; c <= last; ++c)
            columns.push_back(c);

    std::string text;
    std::vector<std::string> fields(columns.size());
    if (wholeColumns) {
        for (std::size_t i = 0; i < columns.size(); ++i)
            fields[i] = columns[i] < titles.size() ? titles[columns[i]] : std::string();
        text += TabLine(fields) + '\n';
    }
    std::size_t done = 0;
    for (const auto& [first, last] : merged(rowSpans)) {
        for (std::size_t row = first; row <= last; ++row, ++done) {
            if (stopped(stop, done))
                return {};
            report(progress, done);
            for (std::size_t i = 0; i < columns.size(); ++i) {
                const std::size_t c = columns[i];
                const bool chosen = std::any_of(blocks.begin(), blocks.end(), [&](const CellBlock& b) {
                    return row >= b.top && row <= b.bottom && c >= b.left && c <= b.right;
                });
                fields[i] = chosen ? table.text(row, c) : std::string();
            }
            text += TabLine(fields);
            text += '\n';
        }
    }
    return text;
}

bool WriteCsv(const ValueTable& table, const std::vector<std::string>& titles,
              const std::function<bool(std::string_view piece)>& write, const std::atomic<bool>* stop,
              const RowProgress& progress) {
    const char separator = CsvSeparator(table.separator());
    std::string piece = CsvLine(titles, separator) + '\n';
    std::vector<std::string> fields(table.columnCount());
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        if (stopped(stop, row))
            return false;
        report(progress, row);
        for (std::size_t c = 0; c < fields.size(); ++c)
            fields[c] = table.text(row, c);
        piece += CsvLine(fields, separator);
        piece += '\n';
        if (piece.size() >= kPieceSize) {
            if (!write(piece))
                return false;
            piece.clear();
        }
    }
    return write(piece) && !(stop != nullptr && stop->load());
}

} // namespace orvex
