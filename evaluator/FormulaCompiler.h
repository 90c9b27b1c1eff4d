#pragma once

#include "FormulaProgram.h"

#include <optional>
#include <string_view>

namespace orvex::detail {

// Compiles a prepared formula into a program whose run(x) gives exactly what the text evaluator gives
// for the text with `var` replaced by NumberText(x, 15) under `separator`: the same flag, the same
// value bits, the same error. `formula` is the text as typed, `prepared` its prepared text.
//
// The compiler runs the evaluator's own passes on the prepared text in which x, and every value the
// passes compute, stands as a marker instead of its digits; each operation the passes perform records
// one instruction, in the order the text evaluator performs them. The passes never look into a
// number's digits except to read them, so the program follows the same steps for every x. Where a
// step would depend on the digits of a value (a number text that mixes a value with other characters,
// a sign scan running into one), the formula is refused.
//
// Refused as well, to keep to formulas written as plain expressions:
// - characters other than letters, digits, the two separators, blanks and + - * / ^ ( ) | :;
// - an odd number of bars in the whole formula (a long formula that loses its tail may lose a closing
//   bar, as it may lose a closing bracket);
// - a digit or separator against the variable ("2x", "x2", "xx");
// - two operands side by side ("2sin(x)", "x(x+1)", "(x)(x)"), which the text evaluator adds.
[[nodiscard]] std::optional<FormulaProgram>
CompileFormula(std::string_view formula, std::string_view prepared, char var, char separator);

} // namespace orvex::detail
