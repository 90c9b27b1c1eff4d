#include "ValueTable.h"

#include "NumberText.h"

namespace orvex {

ValueTable::ValueTable(const TableRange& range, const std::vector<std::string>& formulas, bool derivatives,
                       char separator)
    : range_(range), separator_(separator) {
    const TableRows rows = CountTableRows(range);
    fault_ = rows.fault;
    rows_ = rows.count;
    for (std::size_t i = 0; i < formulas.size(); ++i) {
        values_.push_back(EvaluatorOf(formulas[i]));
        columns_.push_back({i, false});
        if (derivatives) {
            derivatives_.push_back(DeriveGraph(formulas[i]));
            columns_.push_back({i, true});
        }
    }
}

ValueCell ValueTable::cell(std::size_t row, std::size_t c) const {
    const Column& what = column(c);
    ValueCell value = EvaluateCell(values_[what.formula], x(row));
    if (!what.derivative)
        return value;
    // A graph has no slope where it has no value, though the text of its derivative may have one there
    // (1/x for ln(x) at x = -1).
    if (value.kind != ValueCell::Kind::Value)
        return {};
    return EvaluateCell(derivatives_[what.formula].value, x(row));
}

std::string ValueTable::text(std::size_t row, std::size_t c) const {
    if (c == 0)
        return NumberText(x(row), kDigits, separator_);
    return CellText(cell(row, c), kDigits, separator_);
}

} // namespace orvex
