// Number texts and number reading under both decimal separators.
#include "DecimalDigits.h"
#include "EvaluatorTestSupport.h"

#include <gmock/gmock.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <random>

namespace orvex::test {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

struct TextCase {
    long double value;
    int digits;
    const char* expected; // "," is the separator
};

const std::vector<TextCase> kTextCases = {
    // 15 digits: computed results and limit texts.
    {-0.0L, 15, "0"},
    {-2.0L / 3, 15, "-0,666666666666667"},
    {0.0001L, 15, "0,0001"},
    {0.00001L, 15, "1E-5"},
    {123456789012345, 15, "123456789012345"},
    {1e15L, 15, "1E15"},
    {12345678901234567, 15, "1,23456789012346E16"},
    {999999999999999.5L, 15, "1E15"},             // the carry leaves fixed notation
    {0.99999999999999999L, 15, "1"},              // carry out of the first digit
    {0.000099999999999999999L, 15, "0,0001"},     // carry into fixed notation
    {1.000000000000005L, 15, "1,00000000000001"}, // 1,00000000000000500 first
    {std::numeric_limits<long double>::max(), 15, "1,18973149535723E4932"},
    {std::numeric_limits<long double>::denorm_min(), 15, "3,64519953188247E-4951"},
    // 2 digits: grid labels; 4: quadratic roots.
    {0.125L, 2, "0,13"},
    {99.5L, 2, "1E2"},
    {12345, 4, "1,235E4"},
    {9999.5L, 4, "1E4"},
};

class NumberTextTest : public ::testing::TestWithParam<std::tuple<TextCase, char>> {};

TEST_P(NumberTextTest, WritesTheGeneralText) {
    const auto& [c, separator] = GetParam();
    EXPECT_EQ(NumberText(c.value, c.digits, separator), ForSeparator(c.expected, separator));
    const SeparatorScope scope(separator);
    EXPECT_EQ(NumberText(c.value, c.digits), ForSeparator(c.expected, separator));
}

INSTANTIATE_TEST_SUITE_P(Values, NumberTextTest, BothSeparators(kTextCases));

struct ReadCase {
    const char* text; // "," is the separator in force, "." the other one
    std::optional<long double> expected;
};

const std::vector<ReadCase> kReadCases = {
    {"5,", 5},
    {",5", 0.5L},
    {"+,5E+1", 5},
    {",", 0},
    {" -7 ", -7},
    {"5E", 5},
    {"1E-5000", 0},
    {"1E4933", std::nullopt}, // beyond the extended range
    {"", std::nullopt},
    {"E5", std::nullopt},
    {"1.5", std::nullopt}, // the other separator
    {"1,5,", std::nullopt},
    {"1 2", std::nullopt},
};

class ReadNumberTest : public ::testing::TestWithParam<std::tuple<ReadCase, char>> {};

TEST_P(ReadNumberTest, FollowsTheReadingRule) {
    const auto& [c, separator] = GetParam();
    const std::string text = ForSeparator(c.text, separator);
    EXPECT_EQ(ReadNumber(text, separator), c.expected) << text;
    const SeparatorScope scope(separator);
    EXPECT_EQ(ReadNumber(text), c.expected) << text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumberTest, BothSeparators(kReadCases));

// The quick paths against the library's conversions: the exact 18-digit conversion over its whole range
// and a little beyond, and the reading of short texts.
TEST(NumberTextTest, QuickPathsAgreeWithTheLibrary) {
    std::mt19937_64 random(12345);
    for (int i = 0; i < 20000; ++i) {
        const long double mantissa = 1.0L + static_cast<long double>(random() >> 1) * 0x1p-63L;
        const long double v = std::ldexp(mantissa, static_cast<int>(random() % 281) - 140);
        const auto fast = detail::ExtendedDigits(v);
        const auto reference = detail::ExtendedDigitsByLibrary(v);
        ASSERT_EQ(fast.digits, reference.digits) << static_cast<double>(v);
        ASSERT_EQ(fast.exponent, reference.exponent) << static_cast<double>(v);

        std::string digits;
        for (int k = 0, count = 1 + static_cast<int>(random() % 22); k < count; ++k)
            digits += static_cast<char>('0' + random() % 10);
        const auto point = static_cast<std::size_t>(random() % (digits.size() + 1));
        const std::string exponent = "E" + std::to_string(static_cast<int>(random() % 81) - 40);
        const std::string text = digits.substr(0, point) + "," + digits.substr(point) + exponent;
        std::string plain = text;
        plain[point] = '.';
        long double expected = 0;
        std::from_chars(plain.data(), plain.data() + plain.size(), expected);
        ASSERT_EQ(ReadNumber(text, ','), expected) << text;
    }
    // Integers with 19 digits are exact; a 19th digit 5 is a tie, rounded to even.
    EXPECT_EQ(detail::ExtendedDigits(1234567890123456785.0L).digits, 123456789012345678U);
    EXPECT_EQ(detail::ExtendedDigits(1234567890123456775.0L).digits, 123456789012345678U);
    EXPECT_EQ(detail::ExtendedDigits(9999999999999999995.0L).exponent, 20);
}

// Integers are 32-bit, without separator or exponent; the conversion errors name the text.
TEST(ReadIntegerTest, ReadsThirtyTwoBits) {
    EXPECT_EQ(ReadInteger("+2147483647"), 2147483647);
    EXPECT_EQ(ReadInteger(" -2147483648 "), -2147483647 - 1);
    for (const char* text : {"2147483648", "99999999999999999999", "", "-", "1,0", "1E3"})
        EXPECT_EQ(ReadInteger(text), std::nullopt) << '"' << text << '"';
    EXPECT_THAT([] { (void)StrToFloat("abc", ','); },
                ThrowsMessage<ConversionError>(StrEq("'abc' is not a valid floating point value")));
    EXPECT_THAT([] { (void)StrToInt("1.5"); },
                ThrowsMessage<ConversionError>(StrEq("'1.5' is not a valid integer value")));
}

} // namespace
} // namespace orvex::test
