#pragma once

#include "GraphDerivative.h"
#include "TableRange.h"
#include "ValueCell.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orvex {

// A table of values of one or more formulas, computed cell by cell on request, so that a million rows
// take no more memory than one. Column 0 holds x; then each formula has a column of its values through
// the plot evaluator (the picture's compiled path) and, when asked for, a column of its derivative
// (DeriveGraph: the symbolic derivative through the evaluator where it reads it, central differences
// otherwise). Every x is evaluated as the double the table holds. Numbers are NumberText(v, 15) with the
// separator given at construction. All reading functions are const and safe to call from several threads.
class ValueTable {
  public:
    static constexpr int kDigits = 15;

    struct Column {
        std::size_t formula = 0; // index into the formulas given
        bool derivative = false;
    };

    // `formulas` as the evaluator reads them (Windows-1251, cut to 50 characters like a graph's). An
    // invalid range gives a table of no rows whose fault() says why.
    ValueTable(const TableRange& range, const std::vector<std::string>& formulas, bool derivatives,
               char separator);

    [[nodiscard]] const TableRange& range() const noexcept { return range_; }
    [[nodiscard]] TableRangeFault fault() const noexcept { return fault_; }
    [[nodiscard]] std::size_t rowCount() const noexcept { return rows_; }
    [[nodiscard]] std::size_t columnCount() const noexcept { return 1 + columns_.size(); }
    [[nodiscard]] char separator() const noexcept { return separator_; }

    // What column c >= 1 shows.
    [[nodiscard]] const Column& column(std::size_t c) const { return columns_.at(c - 1); }
    // The derivative of formula i (only when the table has derivative columns).
    [[nodiscard]] const GraphDerivative& derivative(std::size_t formula) const {
        return derivatives_.at(formula);
    }

    [[nodiscard]] double x(std::size_t row) const { return TableX(range_, row); }
    // The value in column c >= 1 of a row. A derivative has no value where its formula has none.
    [[nodiscard]] ValueCell cell(std::size_t row, std::size_t c) const;
    // The text of a cell: x, a value, "" for no value, an arithmetic error's message.
    [[nodiscard]] std::string text(std::size_t row, std::size_t c) const;

  private:
    TableRange range_;
    TableRangeFault fault_;
    std::size_t rows_;
    char separator_;
    std::vector<Column> columns_;
    std::vector<EvaluatorFunction> values_; // one per formula
    std::vector<GraphDerivative> derivatives_;
};

} // namespace orvex
