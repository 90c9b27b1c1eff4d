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
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        if (b != 0x98) {
            EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(byte)), byte) << "byte " << b;
        }
    }
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\uFFFD"); // undefined in the code page
}

// Characters outside the code page and every kind of invalid UTF-8 become question marks.
TEST(Cp1251, ReplacesWhatItCannotConvert) {
    const TextPair pairs[] = {{"x·π", "x\xB7?"},
                              {"a\U0001F600b", "a?b"},
                              {"a\x80z", "a?z"},             // stray continuation byte
                              {"a\xD0", "a?"},               // truncated at the end
                              {"\xE2\x82z", "?z"},           // truncated three-byte sequence
                              {"\xC0\xAF", "??"},            // overlong form
                              {"\xED\xA0\x80", "???"},       // encoded surrogate
                              {"\xF4\x90\x80\x80", "????"}}; // beyond U+10FFFF
    for (const auto& [utf8, cp1251] : pairs)
        EXPECT_EQ(Utf8ToCp1251(utf8), cp1251) << cp1251;
}

} // namespace
} // namespace orvex
