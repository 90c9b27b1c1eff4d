#pragma once

#include "ArithmeticError.h"
#include "Evaluator.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace orvex::test {

// Puts a decimal separator in force for one test and goes back to the locale's afterwards.
class SeparatorScope {
  public:
    explicit SeparatorScope(char separator) { SetDecimalSeparator(separator); }
    ~SeparatorScope() { SetDecimalSeparator('\0'); }
};

// The tables write "," for the separator in force and "." for the other one; under "." they swap.
inline std::string ForSeparator(std::string text, char separator) {
    for (char& c : text)
        if (separator == '.' && (c == ',' || c == '.'))
            c = c == ',' ? '.' : ',';
    return text;
}

// Every case of a table under both separators.
template <class Case> auto BothSeparators(const std::vector<Case>& cases) {
    return ::testing::Combine(::testing::ValuesIn(cases), ::testing::Values(',', '.'));
}

inline constexpr const char* kNoValue = "no value";

// What a user sees for a formula at x: NumberText(v, 15), "no value", or "error: " and the message.
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
