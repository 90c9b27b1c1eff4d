#pragma once

#include <cstdint>

namespace orvex::detail {

inline constexpr int kExtendedDigits = 18;

// The leading decimal digits of a magnitude as an integer: |v| = 0.d1d2...d18 * 10^exponent, that is
// |v| = digits * 10^(exponent - 18), with 10^17 <= digits < 10^18.
struct DecimalDigits {
    std::uint64_t digits = 0;
    int exponent = 0;
};

// The 18 digits d cut by `unit` (a power of ten) with half up on the dropped digits; a carry out of the
// first digit raises the exponent e. These are the digits of NumberText with fewer than 18 digits.
[[nodiscard]] inline std::uint64_t CutDigits(std::uint64_t d, std::uint64_t unit, int& e) {
    constexpr std::uint64_t kTen18 = 1'000'000'000'000'000'000ULL;
    const std::uint64_t rest = d % unit;
    d /= unit;
    if (rest >= unit / 2) {
        ++d;
        if (d * unit == kTen18) {
            d /= 10;
            ++e;
        }
    }
    return d;
}

// The 18 significant digits of |v| (v finite and not zero), correctly rounded to nearest with ties to
// even. Exact integer arithmetic for magnitudes from about 1E-21 to 1.7E38, the library's conversion
// beyond.
[[nodiscard]] DecimalDigits ExtendedDigits(long double v);

// The same digits by the exact integer arithmetic alone: false for zero, subnormal numbers, infinities,
// NaN and magnitudes outside about 1E-21 to 1.7E38.
[[nodiscard]] bool QuickDigits(const long double& v, DecimalDigits& out);

// The same digits through the standard library's conversion (slower); the reference for the above.
[[nodiscard]] DecimalDigits ExtendedDigitsByLibrary(long double v);

} // namespace orvex::detail
