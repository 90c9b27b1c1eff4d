#pragma once

#include "ArithmeticError.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace orvex::detail {

// The tolerance of the evaluator's domain tests (zero divisors, near-integral exponents, ln).
inline constexpr long double kTolerance = 1e-10L;

// The integer nearest to v (ties to even), without touching the floating-point environment.
[[nodiscard]] long double NearestInteger(long double v);

// std::trunc(v), without switching the rounding mode of the floating-point unit, which stalls it.
[[nodiscard]] long double Truncated(long double v);

// An integral v with |v| < 2^63 as an integer, again without switching the rounding mode.
[[nodiscard]] std::int64_t IntegralToInteger(long double v);

// A computed result as the evaluator may use it: NaN raises "Invalid floating point operation", an
// infinity "Floating point overflow", and a result below the normal range becomes 0.
[[nodiscard]] inline long double Checked(long double result);

// base ^ exponent as the power operator computes it. False (no value) for a negative base with an
// exponent that is not within the tolerance of an integer, and for a base of (nearly) zero with a
// negative exponent. A negative base otherwise uses the nearest integer as exponent. Throws
// ArithmeticError (overflow) when the result leaves the extended range; underflow gives 0. The operands
// are taken by reference, read where they are stored rather than copied for the call.
[[nodiscard]] bool RaisePower(const long double& base, const long double& exponent, long double& result);

// left * right, or left / right when `divide`, as the product pass computes them. False (no value) for a
// divisor below the tolerance in magnitude; throws ArithmeticError when the result leaves the range.
[[nodiscard]] inline bool MultiplyOrDivide(bool divide, long double left, long double right,
                                           long double& result) {
    if (!divide) {
        result = Checked(left * right);
        return true;
    }
    if (std::fabs(right) < kTolerance)
        return false;
    result = Checked(left / right);
    return true;
}

// One step of the signed sum: sum + term, or sum - term when `negative`.
[[nodiscard]] inline long double AddTerm(long double sum, bool negative, long double term) {
    return Checked(negative ? sum - term : sum + term);
}

long double Checked(long double result) {
    if (std::isnan(result))
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation);
    if (std::isinf(result))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    if (std::fabs(result) < std::numeric_limits<long double>::min())
        return 0;
    return result;
}

} // namespace orvex::detail
