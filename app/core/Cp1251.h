#pragma once

#include <string>
#include <string_view>

namespace orvex {

// Windows-1251 bytes <-> UTF-8. A character outside Windows-1251 becomes '?'; invalid UTF-8 sequences
// become '?' as well. Bytes that Windows-1251 leaves undefined (0x98) decode to U+FFFD.
[[nodiscard]] std::string Utf8ToCp1251(std::string_view utf8);
[[nodiscard]] std::string Cp1251ToUtf8(std::string_view cp1251);

} // namespace orvex
