#include "ValueCell.h"

#include "ArithmeticError.h"
#include "NumberText.h"

namespace orvex {

ValueCell EvaluateCell(const EvaluatorFunction& f, double x) {
    ValueCell cell;
    try {
        long double y = 0;
        if (f(x, y)) {
            cell.kind = ValueCell::Kind::Value;
            cell.value = y;
        }
    } catch (const ArithmeticError& e) {
        cell.kind = ValueCell::Kind::Error;
        cell.error = e.what();
    }
    return cell;
}

std::string CellText(const ValueCell& cell, int digits, char separator) {
    switch (cell.kind) {
    case ValueCell::Kind::Value:
        return NumberText(cell.value == 0 ? 0.0L : cell.value, digits, separator);
    case ValueCell::Kind::NoValue:
        return {};
    case ValueCell::Kind::Error:
        return cell.error;
    }
    return {};
}

} // namespace orvex
