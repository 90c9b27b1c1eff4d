#include "Arithmetic.h"

#include "ArithmeticError.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace orvex::detail {

namespace {

constexpr long double kMaxIntExponent = 2147483647.0L;

// base ^ n for n >= 1 by repeated squaring, with no squaring after the last bit is used.
long double powerBySquaring(long double base, std::uint32_t n) {
    long double result = 1;
    long double square = base;
    for (;;) {
        if ((n & 1U) != 0)
            result *= square;
        n >>= 1;
        if (n == 0)
            return result;
        square *= square;
    }
}

// base ^ q for an integral q with |q| <= 2^31 - 1, the reciprocal taken at the end for negative q.
// Overflow of the positive power means a result below the range for negative q, and the other way
// round, so the fault is judged by the final result.
long double integerPower(long double base, long double q) {
    const auto n = static_cast<std::uint32_t>(std::fabs(q));
    const long double power = powerBySquaring(base, n);
    if (q > 0)
        return Checked(power);
    if (std::isinf(power))
        return 0;
    if (power == 0)
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return Checked(1 / power);
}

// exp(q * ln b) for b > 0.
long double generalPower(long double base, long double q) {
    return Checked(std::exp(q * std::log(base)));
}

bool isOdd(long double integral) {
    return std::fmod(integral, 2.0L) != 0;
}

} // namespace

long double NearestInteger(long double v) {
    // From 2^63 on every extended value is integral. Below, adding 1.5 * 2^63 (in magnitude at most
    // 2^62 away) lands where the spacing of extended values is 1, so the sum drops the fraction.
    constexpr long double kShift = 0x3p62L;
    if (!(std::fabs(v) < 0x1p62L))
        return v;
    return (v + kShift) - kShift;
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

bool RaisePower(long double base, long double exponent, long double& result) {
    if (base < 0 && std::fabs(exponent - std::trunc(exponent)) > kTolerance)
        return false;
    if (std::fabs(base) < kTolerance && exponent < 0)
        return false;
    if (exponent == 0) {
        result = 1;
        return true;
    }
    if (base == 0) { // exponent > 0 here
        result = 0;
        return true;
    }
    if (base < 0) {
        // Within the tolerance of an integer (or integral and huge): that integer is the exponent,
        // and its parity gives the sign.
        const long double n = NearestInteger(exponent);
        if (std::fabs(n) <= kMaxIntExponent) {
            result = integerPower(base, n);
            return true;
        }
        const long double magnitude = generalPower(-base, n);
        result = isOdd(n) ? -magnitude : magnitude;
        return true;
    }
    if (exponent == std::trunc(exponent) && std::fabs(exponent) <= kMaxIntExponent) {
        result = integerPower(base, exponent);
        return true;
    }
    result = generalPower(base, exponent);
    return true;
}

} // namespace orvex::detail
