#include "Cp1251.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace orvex {
namespace {

using TextPair = std::pair<std::string, std::string>; // UTF-8, Windows-1251

TEST(Cp1251, ConvertsTheCodePageBothWays) {
    const TextPair pairs[] = {{"АЯаяЁё", "\xC0\xDF\xE0\xFF\xA8\xB8"},
                              {"€‚„…–—™«»№°±\u00A0", "\x88\x82\x84\x85\x96\x97\x99\xAB\xBB\xB9\xB0\xB1\xA0"},
                              {"ЂЏђџЎўЈҐґЇї", "\x80\x8F\x90\x9F\xA1\xA2\xA3\xA5\xB4\xAF\xBF"}};
    for (const auto& [utf8, cp1251] : pairs) {
        EXPECT_EQ(Utf8ToCp1251(utf8), cp1251);
        EXPECT_EQ(Cp1251ToUtf8(cp1251), utf8);
    }
    std::string bytes; // every byte but 0x98, which the code page leaves undefined
    for (int b = 0; b < 256; ++b)
        bytes += b == 0x98 ? std::string() : std::string(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(bytes)), bytes);
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\uFFFD");
}

// Characters outside the code page and every kind of invalid UTF-8 become question marks: a stray
// continuation byte, a sequence cut at the end or before another character, an overlong form, an
// encoded surrogate, a code point beyond U+10FFFF.
TEST(Cp1251, ReplacesWhatItCannotConvert) {
    const TextPair pairs[] = {{"x·π", "x\xB7?"},       {"a\U0001F600b", "a?b"},     {"a\x80z", "a?z"},
                              {"a\xD0", "a?"},         {"\xE2\x82z", "?z"},         {"\xC0\xAF", "??"},
                              {"\xED\xA0\x80", "???"}, {"\xF4\x90\x80\x80", "????"}};
    for (const auto& [utf8, cp1251] : pairs)
        EXPECT_EQ(Utf8ToCp1251(utf8), cp1251) << cp1251;
}

} // namespace
} // namespace orvex
