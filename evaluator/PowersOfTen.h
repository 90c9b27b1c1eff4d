#pragma once

#include <array>
#include <cstddef>

namespace orvex::detail {

__extension__ using Uint128 = unsigned __int128;

// 10^0 .. 10^38, every power of ten below 2^128, for the exact decimal digit arithmetic.
inline constexpr int kMaxScale = 38;
inline constexpr std::array<Uint128, kMaxScale + 1> kPowers = [] {
    std::array<Uint128, kMaxScale + 1> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

// The powers of ten that the extended format holds exactly (5^27 < 2^64).
inline constexpr int kMaxExactPower = 27;
inline constexpr std::array<long double, kMaxExactPower + 1> kExactPowersOfTen = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
    1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

// m * 10^scale for an exact m and |scale| <= kMaxExactPower: one multiplication or division of exact
// operands, so the result is that rational correctly rounded, as reading its decimal text gives it.
[[nodiscard]] inline long double ScaledByPowerOfTen(long double m, int scale) {
    return scale >= 0 ? m * kExactPowersOfTen[static_cast<std::size_t>(scale)]
                      : m / kExactPowersOfTen[static_cast<std::size_t>(-scale)];
}

} // namespace orvex::detail
