#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvex {

// The decimal separator in force: the one set with SetDecimalSeparator, or else the user's locale's
// (LC_NUMERIC, read at each call).
[[nodiscard]] char DecimalSeparator();
// Sets the separator explicitly; '\0' goes back to following the locale.
void SetDecimalSeparator(char separator);

// The general number text of v with `digits` significant digits: fixed notation when the decimal
// exponent lies in -3..digits, otherwise scientific ("1E-5", "1,23456789012346E16").
[[nodiscard]] std::string NumberText(long double v, int digits, char separator);
[[nodiscard]] inline std::string NumberText(long double v, int digits) {
    return NumberText(v, digits, DecimalSeparator());
}

// Reads a number: optional blanks, optional sign, digits, optional separator and digits, optional
// exponent, optional blanks. Not a number: empty text, a lone sign, a foreign separator, a value
// beyond the extended range. Values below the extended range read as zero.
[[nodiscard]] std::optional<long double> ReadNumber(std::string_view text, char separator);
[[nodiscard]] inline std::optional<long double> ReadNumber(std::string_view text) {
    return ReadNumber(text, DecimalSeparator());
}

// Conversions of field texts that raise ConversionError with the user-facing message
// "'%s' is not a valid floating point value" / "'%s' is not a valid integer value".
[[nodiscard]] long double StrToFloat(std::string_view text, char separator);
[[nodiscard]] inline long double StrToFloat(std::string_view text) {
    return StrToFloat(text, DecimalSeparator());
}
// Optional blanks, optional sign, decimal digits, optional blanks; 32-bit range.
[[nodiscard]] std::optional<int> ReadInteger(std::string_view text);
[[nodiscard]] int StrToInt(std::string_view text);

} // namespace orvex
