#include "NumberValues.h"

#include "ArithmeticError.h"
#include "NumberText.h"

#include <cmath>

namespace orvex {

namespace {
constexpr int kDigits = 15;
constexpr char kPoint = '.';
} // namespace

long double NumberValue(std::string_view text) {
    if (const auto value = ReadNumber(text, kPoint))
        return *value;
    // Every number text came from the scanner or from ValueText, so only the range can fail.
    throw ArithmeticError(ArithmeticError::Kind::Overflow);
}

bool IsNegativeNumber(std::string_view text) {
    if (const auto value = ReadNumber(text, kPoint))
        return *value < 0;
    return !text.empty() && text.front() == '-';
}

std::string ValueText(long double v) {
    return NumberText(Checked(v), kDigits, kPoint);
}

long double Checked(long double r) {
    if (std::isnan(r))
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation);
    if (std::isinf(r))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return r;
}

long double Quotient(long double a, long double b) {
    if (b == 0)
        throw ArithmeticError(a == 0 || std::isnan(a) ? ArithmeticError::Kind::InvalidOperation
                                                      : ArithmeticError::Kind::DivisionByZero);
    return Checked(a / b);
}

long double Exponential(long double a) {
    return Checked(std::exp(a));
}

} // namespace orvex
