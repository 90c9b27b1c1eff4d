#include "Cp1251.h"

#include <gtest/gtest.h>

#include <ostream>

namespace orvex {
namespace {

struct TextCase {
    const char* utf8;
    const char* cp1251;
};

// Test names show the UTF-8 side as hexadecimal bytes.
std::string Hex(std::string_view text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        out += kDigits[byte >> 4];
        out += kDigits[byte & 15];
    }
    return out;
}

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << Hex(c.utf8);
}

class Cp1251Pair : public ::testing::TestWithParam<TextCase> {};

TEST_P(Cp1251Pair, ConvertsBothWays) {
    const TextCase c = GetParam();
    EXPECT_EQ(Utf8ToCp1251(c.utf8), c.cp1251);
    EXPECT_EQ(Cp1251ToUtf8(c.cp1251), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Cp1251Pair,
    ::testing::Values(TextCase{"sin(x)+2,5", "sin(x)+2,5"}, TextCase{"Привет", "\xCF\xF0\xE8\xE2\xE5\xF2"},
                      TextCase{"АЯаяЁё", "\xC0\xDF\xE0\xFF\xA8\xB8"},
                      TextCase{"€‚„…–—™", "\x88\x82\x84\x85\x96\x97\x99"},
                      TextCase{"«»№°±\u00A0", "\xAB\xBB\xB9\xB0\xB1\xA0"},
                      TextCase{"ЂЏђџЎўЈҐґЇї", "\x80\x8F\x90\x9F\xA1\xA2\xA3\xA5\xB4\xAF\xBF"}));

TEST(Cp1251, EveryDefinedByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98)
            continue;
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(byte)), byte) << "byte " << b;
    }
}

TEST(Cp1251, UndefinedByteDecodesToReplacementCharacter) {
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\uFFFD");
}

struct ReplaceCase {
    std::string utf8;
    std::string cp1251;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) {
    *os << Hex(c.utf8);
}

class Cp1251Replacement : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(Cp1251Replacement, BecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251(GetParam().utf8), GetParam().cp1251);
}

INSTANTIATE_TEST_SUITE_P(Foreign, Cp1251Replacement,
                         ::testing::Values(ReplaceCase{"x·π", "x\xB7?"}, // Greek pi is not in the code page
                                           ReplaceCase{"a\U0001F600b", "a?b"}, // outside the BMP
                                           ReplaceCase{"\uFFFD", "?"}, // the replacement character itself
                                           ReplaceCase{"a\x80"
                                                       "b",
                                                       "a?b"},         // stray continuation byte
                                           ReplaceCase{"a\xD0", "a?"}, // truncated at the end
                                           ReplaceCase{"\xD0"
                                                       "A",
                                                       "?A"},             // lead byte without continuation
                                           ReplaceCase{"\xC0\xAF", "??"}, // overlong form
                                           ReplaceCase{"\xED\xA0\x80", "???"},      // encoded surrogate
                                           ReplaceCase{"\xF4\x90\x80\x80", "????"}, // beyond U+10FFFF
                                           ReplaceCase{"\xE2\x82", "?"}, // truncated three-byte sequence
                                           ReplaceCase{"\xFF\xFE", "??"}));

} // namespace
} // namespace orvex
