#pragma once

#include <cstddef>

namespace orvex::detail {

// Room for any NumberText: sign, 18 digits, separator, up to 21 padding zeros or an exponent.
inline constexpr std::size_t kNumberTextCapacity = 48;

// Writes NumberText(v, digits, separator) into out (kNumberTextCapacity bytes, not terminated) and
// returns its length. Lets the evaluator build number tokens without a heap allocation.
std::size_t WriteNumberText(char* out, long double v, int digits, char separator);

} // namespace orvex::detail
