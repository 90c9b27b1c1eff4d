#include "TokenRounding.h"

#include "DecimalDigits.h"
#include "NumberText.h"
#include "NumberTextBuffer.h"
#include "PowersOfTen.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace orvex::detail {

namespace {

constexpr int kTokenDigits = 15;

constexpr std::uint64_t kCutUnit = 1000; // 18 digits cut to 15

constexpr std::uint64_t kTen14 = 100'000'000'000'000ULL;
constexpr std::uint64_t kTen15 = 1'000'000'000'000'000ULL;
constexpr std::uint64_t kTen18 = 1'000'000'000'000'000'000ULL;

// The 15 digits and the exponent of NumberText(v, 15) (|v| = 0.d1...d15 * 10^exponent) for normal v
// with 2^-60 <= |v| < 2^60; false outside. The same digits as 18 digits rounded to nearest with ties
// to even, then cut to 15 half up, taken in one step from the exact scaled value N = |v| * 10^scale,
// 10^17 <= N < 10^19:
// - 18 integer digits: the 18-digit rounding followed by the cut rounds up exactly when the last three
//   integer digits of N and its fraction make at least 499.5 (a tie at 499.5 rounds the odd 499 up);
// - 19 integer digits: the 18-digit rounding looks at the last digit and the fraction, the cut at the
//   three digits before; together: up exactly when the last four integer digits make at least 4995.
bool tokenDigits(const long double& v, std::uint64_t& digits, int& exponent) {
    std::uint64_t mantissa = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&mantissa, &v, sizeof mantissa);
    std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&v) + sizeof mantissa,
                sizeof signAndExponent);
    const int binaryExponent = (signAndExponent & 0x7fff) - 16383; // 2^e2 <= |v| < 2^(e2+1)
    if (binaryExponent < -60 || binaryExponent > 59 || (mantissa >> 63) == 0)
        return false;
    // floor(e2 log10 2) (exact in this range): 10^e10 <= |v| < 10^(e10+2).
    const int decimalExponent = (binaryExponent * 78913) >> 18;
    const int scale = 17 - decimalExponent; // 0 .. 36
    const int shift = 63 - binaryExponent;  // |v| = mantissa / 2^shift, 4 .. 123
    const Uint128 power = kPowers[static_cast<std::size_t>(scale)];
    const auto powerHigh = static_cast<std::uint64_t>(power >> 64);
    const Uint128 low = Uint128{mantissa} * static_cast<std::uint64_t>(power);
    std::uint64_t integral = 0; // floor(N)
    bool half = false;          // the fraction of N is at least 1/2
    if (powerHigh == 0) {
        integral = static_cast<std::uint64_t>(low >> shift);
        half = ((low >> (shift - 1)) & 1U) != 0;
    } else {
        // The product has three 64-bit words; here |v| < 10^-2, so shift > 64.
        const Uint128 upper = (low >> 64) + Uint128{mantissa} * powerHigh; // the product >> 64
        integral = static_cast<std::uint64_t>(upper >> (shift - 64));
        half = ((upper >> (shift - 65)) & 1U) != 0;
    }
    bool up = false;
    if (integral < kTen18) {
        const std::uint64_t rest = integral % 1000;
        digits = integral / 1000;
        exponent = kExtendedDigits - scale;
        up = rest >= 500 || (rest == 499 && half);
    } else {
        const std::uint64_t rest = integral % 10000;
        digits = integral / 10000;
        exponent = kExtendedDigits + 1 - scale;
        up = rest >= 4995;
    }
    if (up && ++digits == kTen15) {
        digits = kTen14;
        ++exponent;
    }
    return true;
}

} // namespace

bool RoundAsToken(const long double& v, long double& out) {
    // The token's digits are those of NumberText: 18 digits rounded to nearest, then cut to 15 half up.
    std::uint64_t digits = 0;
    int exponent = 0;
    if (!tokenDigits(v, digits, exponent)) {
        DecimalDigits full;
        if (!QuickDigits(v, full))
            return RoundAsTokenByText(v, out);
        exponent = full.exponent;
        digits = CutDigits(full.digits, kCutUnit, exponent);
    }
    // The token's value is digits * 10^scale, whatever notation the text uses, and reading the text
    // gives the extended value nearest to it. The 15 digits are exact in extended precision, so where
    // 10^|scale| is exact too, one multiplication or division rounds that same rational to nearest.
    const int scale = exponent - kTokenDigits;
    if (scale > kMaxExactPower || scale < -kMaxExactPower)
        return RoundAsTokenByText(v, out);
    const auto mantissa = static_cast<long double>(static_cast<std::int64_t>(digits)); // below 10^15
    const long double magnitude = ScaledByPowerOfTen(mantissa, scale);
    out = v < 0 ? -magnitude : magnitude;
    return true;
}

bool RoundAsTokenByText(long double v, long double& out) {
    char text[kNumberTextCapacity];
    const std::size_t length = WriteNumberText(text, v, kTokenDigits, '.');
    const auto number = ReadNumber(std::string_view(text, length), '.');
    if (!number)
        return false;
    out = *number;
    return true;
}

} // namespace orvex::detail
