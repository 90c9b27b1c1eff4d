#pragma once

#include "GraphDerivative.h"

#include <string>

namespace orvex {

// One value of a graph as the table of values and the trace show it: a value, no value, or the message of
// the arithmetic error the evaluator raised.
struct ValueCell {
    enum class Kind { Value, NoValue, Error };
    Kind kind = Kind::NoValue;
    long double value = 0;
    std::string error;
};

// f at x, its ArithmeticError caught into the cell.
[[nodiscard]] ValueCell EvaluateCell(const EvaluatorFunction& f, double x);

// NumberText(value, digits, separator) for a value (never "-0"), an empty text for no value, the error's
// message for an error.
[[nodiscard]] std::string CellText(const ValueCell& cell, int digits, char separator);

} // namespace orvex
