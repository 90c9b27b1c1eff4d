#pragma once

namespace orvex::detail {

// The tolerance of the evaluator's domain tests (zero divisors, near-integral exponents, ln).
inline constexpr long double kTolerance = 1e-10L;

// The integer nearest to v (ties to even), without touching the floating-point environment.
[[nodiscard]] long double NearestInteger(long double v);

// A computed result as the evaluator may use it: NaN raises "Invalid floating point operation", an
// infinity "Floating point overflow", and a result below the normal range becomes 0.
[[nodiscard]] long double Checked(long double result);

// base ^ exponent as the power operator computes it. False (no value) for a negative base with an
// exponent that is not within the tolerance of an integer, and for a base of (nearly) zero with a
// negative exponent. A negative base otherwise uses the nearest integer as exponent. Throws
// ArithmeticError (overflow) when the result leaves the extended range; underflow gives 0.
[[nodiscard]] bool RaisePower(long double base, long double exponent, long double& result);

} // namespace orvex::detail
