#pragma once

#include <string>
#include <string_view>

namespace orvex {

// Numbers of the differentiation component live as text in the node table. These helpers turn them
// into extended-precision values and back, always with "." as decimal point, and guard every
// computed value: an invalid operation, a division by zero or an overflow raises ArithmeticError
// instead of letting a NaN or an infinity into a text. Underflow gives 0 silently.

// The value of a number text; a literal beyond the extended range raises an overflow.
[[nodiscard]] long double NumberValue(std::string_view text);
// True when a number text has a value below 0; a literal beyond the range goes by its sign.
[[nodiscard]] bool IsNegativeNumber(std::string_view text);
// The number text of v: 15 significant digits, "." as decimal point, "0" for either zero.
[[nodiscard]] std::string ValueText(long double v);

// r itself when finite; NaN raises an invalid operation, an infinity an overflow.
[[nodiscard]] long double Checked(long double r);
// a / b; a zero divisor raises a division by zero, or an invalid operation for 0/0.
[[nodiscard]] long double Quotient(long double a, long double b);
// e to the power a.
[[nodiscard]] long double Exponential(long double a);

} // namespace orvex
