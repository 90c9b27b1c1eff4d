#include "DecimalDigits.h"
#include "PowersOfTen.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace orvex::detail {

namespace {

static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
              "the fast digit conversion expects the x87 80-bit extended format");

constexpr std::uint64_t kTen17 = 100'000'000'000'000'000ULL;
constexpr std::uint64_t kTen18 = 1'000'000'000'000'000'000ULL;

// How the part dropped after the 18th digit compares with half a unit of that digit.
enum class Tail { BelowHalf, Half, AboveHalf };

// The 18 digits rounded to nearest, ties to even; a carry out of the first digit raises the exponent.
DecimalDigits rounded(std::uint64_t digits, int exponent, Tail tail) {
    if (tail == Tail::AboveHalf || (tail == Tail::Half && (digits & 1U) != 0)) {
        if (++digits == kTen18) {
            digits = kTen17;
            ++exponent;
        }
    }
    return DecimalDigits{digits, exponent};
}

// n >= 2^63 (19 to 39 digits), exact.
DecimalDigits fromInteger(Uint128 n) {
    int length = 19;
    while (length <= kMaxScale && n >= kPowers[static_cast<std::size_t>(length)])
        ++length;
    const Uint128 unit = kPowers[static_cast<std::size_t>(length - kExtendedDigits)];
    const Uint128 rest = n % unit;
    const Uint128 half = unit / 2;
    const Tail tail = rest < half ? Tail::BelowHalf : rest == half ? Tail::Half : Tail::AboveHalf;
    return rounded(static_cast<std::uint64_t>(n / unit), length, tail);
}

// A 192-bit unsigned number, least significant limb first.
struct Wide {
    std::array<std::uint64_t, 3> limb{};
};

Wide multiply(std::uint64_t m, Uint128 p) {
    const Uint128 low = Uint128{m} * static_cast<std::uint64_t>(p);
    const Uint128 high = Uint128{m} * static_cast<std::uint64_t>(p >> 64);
    const Uint128 middle = (low >> 64) + static_cast<std::uint64_t>(high);
    Wide w;
    w.limb[0] = static_cast<std::uint64_t>(low);
    w.limb[1] = static_cast<std::uint64_t>(middle);
    w.limb[2] = static_cast<std::uint64_t>((high >> 64) + (middle >> 64));
    return w;
}

// The low 64 bits of x >> shift, 0 <= shift < 192.
std::uint64_t shiftedWord(const Wide& x, int shift) {
    const auto w = static_cast<std::size_t>(shift / 64);
    const int b = shift % 64;
    const std::uint64_t low = x.limb[w];
    const std::uint64_t high = w + 1 < x.limb.size() ? x.limb[w + 1] : 0;
    return b == 0 ? low : (low >> b) | (high << (64 - b));
}

bool bitAt(const Wide& x, int i) {
    return ((x.limb[static_cast<std::size_t>(i / 64)] >> (i % 64)) & 1U) != 0;
}

// Whether any of the bits 0 .. i-1 is set.
bool anyBelow(const Wide& x, int i) {
    const auto w = static_cast<std::size_t>(i / 64);
    for (std::size_t k = 0; k < w; ++k)
        if (x.limb[k] != 0)
            return true;
    const int b = i % 64;
    return b != 0 && (x.limb[w] & ((std::uint64_t{1} << b) - 1)) != 0;
}

// v = mantissa / 2^shift (normal, below 2^63): scaled by a power of ten into [10^17, 10^19), the
// integral part holds the 18 or 19 leading digits and the bits shifted out decide the rounding.
bool fromScaled(std::uint64_t mantissa, int shift, DecimalDigits& out) {
    const int binaryExponent = 63 - shift;                      // 2^e2 <= v < 2^(e2+1)
    const int decimalExponent = (binaryExponent * 78913) >> 18; // floor(e2 log10 2): 10^e10 <= v < 10^(e10+2)
    const int scale = decimalExponent >= 17 ? 0 : 17 - decimalExponent;
    if (scale > kMaxScale || shift > 190)
        return false;
    const Wide scaled = multiply(mantissa, kPowers[static_cast<std::size_t>(scale)]);
    const std::uint64_t integral = shiftedWord(scaled, shift);
    if (integral < kTen17)
        return false; // not expected; the library decides
    const bool half = bitAt(scaled, shift - 1);
    const bool sticky = anyBelow(scaled, shift - 1);
    if (integral < kTen18) {
        const Tail tail = !half ? Tail::BelowHalf : sticky ? Tail::AboveHalf : Tail::Half;
        out = rounded(integral, kExtendedDigits - scale, tail);
        return true;
    }
    const std::uint64_t last = integral % 10;
    Tail tail = last < 5 ? Tail::BelowHalf : Tail::AboveHalf;
    if (last == 5 && !half && !sticky)
        tail = Tail::Half;
    out = rounded(integral / 10, kExtendedDigits + 1 - scale, tail);
    return true;
}

} // namespace

bool QuickDigits(const long double& v, DecimalDigits& out) {
    // Read from v's own memory, the sign bit dropped: the digits are those of |v|.
    std::uint64_t mantissa = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&mantissa, &v, sizeof mantissa);
    std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&v) + sizeof mantissa,
                sizeof signAndExponent);
    const int biased = signAndExponent & 0x7fff;
    // Normal numbers have the integer bit set; v = mantissa * 2^power.
    if (biased == 0 || (mantissa >> 63) == 0)
        return false;
    const int power = biased - 16383 - 63;
    if (power >= 0 && power <= 63) {
        out = fromInteger(Uint128{mantissa} << power);
        return true;
    }
    return power < 0 && fromScaled(mantissa, -power, out);
}

DecimalDigits ExtendedDigits(long double v) {
    DecimalDigits out;
    if (QuickDigits(v, out))
        return out;
    return ExtendedDigitsByLibrary(v);
}

DecimalDigits ExtendedDigitsByLibrary(long double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific,
                                   kExtendedDigits - 1);
    DecimalDigits out;
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            out.digits = out.digits * 10 + static_cast<std::uint64_t>(*p - '0');
    int exp10 = 0;
    if (p < res.ptr) {
        ++p;
        if (p < res.ptr && *p == '+')
            ++p;
        std::from_chars(p, res.ptr, exp10);
    }
    out.exponent = exp10 + 1;
    return out;
}

} // namespace orvex::detail
