#pragma once

#include "ArithmeticError.h"
#include "Evaluator.h"
#include "NumberText.h"

#include <string>
#include <string_view>

namespace orvex::test {

// Puts a decimal separator in force for one test and goes back to the locale's afterwards.
class SeparatorScope {
  public:
    explicit SeparatorScope(char separator) { SetDecimalSeparator(separator); }
    ~SeparatorScope() { SetDecimalSeparator('\0'); }
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;
};

// The tables write "," for the separator in force and "." for the other one; under "." they swap.
inline std::string ForSeparator(std::string text, char separator) {
    if (separator == '.') {
        for (char& c : text) {
            if (c == ',')
                c = '.';
            else if (c == '.')
                c = ',';
        }
    }
    return text;
}

// Formula bytes as printable ASCII for test names and messages ("\\xC4" for a byte above 127).
inline std::string Printable(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte < 127) {
            out += c;
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out;
}

inline std::string SeparatorName(char separator) {
    return separator == '.' ? "Point" : "Comma";
}

inline constexpr const char* kNoValue = "no value";

// What a user sees for a formula at x: the value as NumberText(v, 15), "no value", or
// "error: " and the arithmetic error's message.
inline std::string ValueAt(std::string formula, long double x) {
    PrepareFormula(formula, "x");
    long double value = 0;
    try {
        if (!EvaluateExpression(SubstituteVariable(formula, 'x', x), value))
            return kNoValue;
        return NumberText(value, 15);
    } catch (const ArithmeticError& e) {
        return std::string("error: ") + e.what();
    }
}

} // namespace orvex::test
