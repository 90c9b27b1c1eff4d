#include "Arithmetic.h"

#include "ArithmeticError.h"

#include <cmath>
#include <cstdint>
#include <cstring>
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
    const auto n = static_cast<std::uint32_t>(IntegralToInteger(std::fabs(q)));
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

long double Truncated(long double v) {
    const long double magnitude = std::fabs(v);
    if (!(magnitude < 0x1p63L))
        return v; // integral, an infinity or NaN
    // Below 2^63, adding 2^63 lands where the spacing of extended values is 1: the nearest integer.
    long double t = (magnitude + 0x1p63L) - 0x1p63L;
    if (t > magnitude)
        t -= 1;
    return std::signbit(v) ? -t : t;
}

std::int64_t IntegralToInteger(long double v) {
    // v + 2^63 (exact) has the exponent 63, so its 64-bit significand is that sum as an integer.
    const long double shifted = std::fabs(v) + 0x1p63L;
    std::uint64_t significand = 0;
    std::memcpy(&significand, &shifted, sizeof significand);
    const auto magnitude = static_cast<std::int64_t>(significand - (std::uint64_t{1} << 63));
    return v < 0 ? -magnitude : magnitude;
}

bool RaisePower(const long double& baseValue, const long double& exponentValue, long double& result) {
    const long double base = baseValue;
    const long double exponent = exponentValue;
    if (base < 0 && std::fabs(exponent - Truncated(exponent)) > kTolerance)
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
    if (exponent == Truncated(exponent) && std::fabs(exponent) <= kMaxIntExponent) {
        result = integerPower(base, exponent);
        return true;
    }
    result = generalPower(base, exponent);
    return true;
}

} // namespace orvex::detail
