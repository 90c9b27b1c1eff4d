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

} // namespace orvex::detail
