#pragma once

#include <string>
#include <string_view>

namespace orvex {

// The plot evaluator. Formulas are single-byte (Windows-1251) texts of at most 50 characters.
// Calling order for every user: copy the formula, PrepareFormula once, then for each x
// SubstituteVariable and EvaluateExpression. Arithmetic faults raise ArithmeticError. These work on
// text throughout and are the reference; PreparedFormula gives the same results faster. The overloads
// with a separator use it instead of the one in force.

inline constexpr std::size_t kMaxFormulaLength = 50;

// Normalises the formula in place (blanks, case, decimal separator, pi, ':', bars, number tokens);
// the text never grows beyond 50 characters. Uses the decimal separator in force.
void PrepareFormula(std::string& formula, std::string_view vars);

// Replaces every occurrence of `var` in the prepared text by NumberText(x, 15).
[[nodiscard]] std::string SubstituteVariable(std::string_view prepared, char var, long double x);
[[nodiscard]] std::string SubstituteVariable(std::string_view prepared, char var, long double x,
                                             char separator);

// Reduces an evaluable text to one number. False when the text has no value (malformed text,
// argument outside a function's domain, zero divisor). Throws ArithmeticError on overflow and the like.
[[nodiscard]] bool EvaluateExpression(std::string_view text, long double& value);
[[nodiscard]] bool EvaluateExpression(std::string_view text, long double& value, char separator);

} // namespace orvex
