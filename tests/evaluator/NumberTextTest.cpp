// Number texts and number reading under both decimal separators.
#include "DecimalDigits.h"
#include "EvaluatorTestSupport.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace orvex::test {
namespace {

struct TextCase {
    long double value;
    int digits;
    const char* expected; // "," is the separator
};

std::ostream& operator<<(std::ostream& os, const TextCase& c) {
    return os << static_cast<double>(c.value) << " with " << c.digits << " digits";
}

const std::vector<TextCase> kTextCases = {
    // 15 digits: computed results and limit texts.
    {0, 15, "0"},
    {-0.0L, 15, "0"},
    {2.5L, 15, "2,5"},
    {-1.5L, 15, "-1,5"},
    {1.0L / 3, 15, "0,333333333333333"},
    {-2.0L / 3, 15, "-0,666666666666667"},
    {0.0001L, 15, "0,0001"},
    {0.00001L, 15, "1E-5"},
    {-0.000012345L, 15, "-1,2345E-5"},
    {123456789012345, 15, "123456789012345"},
    {1e15L, 15, "1E15"},
    {12345678901234567, 15, "1,23456789012346E16"},
    {std::numbers::pi_v<long double>, 15, "3,14159265358979"},
    {100, 15, "100"},
    {1234.5L, 15, "1234,5"},
    {1e14L, 15, "100000000000000"},
    {999999999999999.5L, 15, "1E15"},             // the carry leaves fixed notation
    {0.99999999999999999L, 15, "1"},              // carry out of the first digit
    {0.000099999999999999999L, 15, "0,0001"},     // carry into fixed notation
    {1.000000000000005L, 15, "1,00000000000001"}, // 1,00000000000000500 first
    {1e-4000L, 15, "1E-4000"},
    {-1.5e300L, 15, "-1,5E300"},
    {std::numeric_limits<long double>::max(), 15, "1,18973149535723E4932"},
    {std::numeric_limits<long double>::denorm_min(), 15, "3,64519953188247E-4951"},
    // All 18 digits, and 17.
    {1.0L / 3, 18, "0,333333333333333333"},
    {123456789012345678, 18, "123456789012345678"},
    {-1234567890.12345678L, 18, "-1234567890,12345678"},
    {2.0L / 3, 17, "0,66666666666666667"},
    // 2 digits: grid labels.
    {0.125L, 2, "0,13"},
    {0.375L, 2, "0,38"},
    {-2.25L, 2, "-2,3"},
    {12, 2, "12"},
    {99.5L, 2, "1E2"},
    {123, 2, "1,2E2"},
    {150, 2, "1,5E2"},
    {9.96L, 2, "10"},
    {0.05L, 2, "0,05"},
    {0.045L, 2, "0,045"},
    {0.00001L, 2, "1E-5"},
    {2.675L, 3, "2,68"}, // 18 digits first (2,675...), then 3
    // 4 digits: roots of quadratic equations.
    {1.41421356L, 4, "1,414"},
    {-0.5L, 4, "-0,5"},
    {2.0005L, 4, "2,001"},
    {12345, 4, "1,235E4"},
    {9999.5L, 4, "1E4"},
    {0.33333L, 4, "0,3333"},
    {1234, 4, "1234"},
};

class NumberTextTest : public ::testing::TestWithParam<std::tuple<TextCase, char>> {};

TEST_P(NumberTextTest, WritesTheGeneralText) {
    const auto& [c, separator] = GetParam();
    EXPECT_EQ(NumberText(c.value, c.digits, separator), ForSeparator(c.expected, separator)) << c;
    const SeparatorScope scope(separator);
    EXPECT_EQ(NumberText(c.value, c.digits), ForSeparator(c.expected, separator)) << c;
}

INSTANTIATE_TEST_SUITE_P(Values, NumberTextTest,
                         ::testing::Combine(::testing::ValuesIn(kTextCases), ::testing::Values(',', '.')),
                         [](const auto& info) {
                             return "Case" + std::to_string(info.index / 2) +
                                    SeparatorName(std::get<1>(info.param));
                         });

// The exact digit conversion against the library's over the whole fast range and a little beyond.
TEST(ExtendedDigitsTest, AgreesWithTheLibrary) {
    std::mt19937_64 random(12345);
    std::uniform_int_distribution<int> exponent(-140, 140);
    for (int i = 0; i < 20000; ++i) {
        const long double mantissa = 1.0L + static_cast<long double>(random() >> 1) * 0x1p-63L;
        const long double v = std::ldexp(mantissa, exponent(random));
        const auto fast = detail::ExtendedDigits(v);
        const auto reference = detail::ExtendedDigitsByLibrary(v);
        ASSERT_EQ(fast.digits, reference.digits) << static_cast<double>(v);
        ASSERT_EQ(fast.exponent, reference.exponent) << static_cast<double>(v);
    }
}

TEST(ExtendedDigitsTest, RoundsTiesToEven) {
    // Integers with 19 digits are exact; the 19th digit 5 is a tie.
    EXPECT_EQ(detail::ExtendedDigits(1234567890123456785.0L).digits, 123456789012345678U);
    EXPECT_EQ(detail::ExtendedDigits(1234567890123456775.0L).digits, 123456789012345678U);
    const auto carry = detail::ExtendedDigits(9999999999999999995.0L);
    EXPECT_EQ(carry.digits, 100000000000000000U);
    EXPECT_EQ(carry.exponent, 20);
    // 2^-1 .. 2^-70: exact binary fractions with ties far below the 18th digit.
    for (int k = 1; k <= 70; ++k) {
        const long double v = std::ldexp(1.0L, -k);
        EXPECT_EQ(detail::ExtendedDigits(v).digits, detail::ExtendedDigitsByLibrary(v).digits) << k;
    }
}

struct ReadCase {
    const char* text; // "," is the separator in force, "." the other one
    std::optional<long double> expected;
};

std::ostream& operator<<(std::ostream& os, const ReadCase& c) {
    return os << '"' << Printable(c.text) << '"';
}

const std::vector<ReadCase> kReadCases = {
    {"5", 5},
    {"5,", 5},
    {",5", 0.5L},
    {"5E3", 5000},
    {"5e-3", 0.005L},
    {"+,5E+1", 5},
    {",", 0},
    {"-2,5", -2.5L},
    {" 7 ", 7},
    {"5E", 5},
    {"0,1", 0.1L},
    {"3,14159265358979", 3.14159265358979L},
    {"0,333333333333333", 0.333333333333333L},
    {"12345678901234567890123", 12345678901234567890123.0L},
    {"0,000000000000000000000000000000001", 1e-33L},
    {"1,1E4932", 1.1e4932L},
    {"1E-5000", 0},
    {"1E4933", std::nullopt}, // beyond the extended range
    {"", std::nullopt},
    {"+", std::nullopt},
    {"-", std::nullopt},
    {"E5", std::nullopt},
    {"1.5", std::nullopt}, // the other separator
    {"1,5,", std::nullopt},
    {"--1", std::nullopt},
    {"1 2", std::nullopt},
    {"0x10", std::nullopt},
    {"1E5,5", std::nullopt},
    {"\xB9", std::nullopt},
};

class ReadNumberTest : public ::testing::TestWithParam<std::tuple<ReadCase, char>> {};

TEST_P(ReadNumberTest, FollowsTheReadingRule) {
    const auto& [c, separator] = GetParam();
    const std::string text = ForSeparator(c.text, separator);
    EXPECT_EQ(ReadNumber(text, separator), c.expected) << c;
    const SeparatorScope scope(separator);
    EXPECT_EQ(ReadNumber(text), c.expected) << c;
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumberTest,
                         ::testing::Combine(::testing::ValuesIn(kReadCases), ::testing::Values(',', '.')),
                         [](const auto& info) {
                             return "Case" + std::to_string(info.index / 2) +
                                    SeparatorName(std::get<1>(info.param));
                         });

// The quick path for short texts must round exactly like the general conversion.
TEST(ReadNumberTest, AgreesWithTheLibraryOnShortTexts) {
    std::mt19937_64 random(777);
    for (int i = 0; i < 20000; ++i) {
        const int digitCount = 1 + static_cast<int>(random() % 22);
        std::string digits;
        for (int k = 0; k < digitCount; ++k)
            digits += static_cast<char>('0' + random() % 10);
        const auto point = static_cast<std::size_t>(random() % (digits.size() + 1));
        const int exponent = static_cast<int>(random() % 81) - 40;
        const std::string text =
            digits.substr(0, point) + "," + digits.substr(point) + "E" + std::to_string(exponent);
        std::string plain = text;
        plain[point] = '.';
        long double expected = 0;
        std::from_chars(plain.data(), plain.data() + plain.size(), expected);
        const auto read = ReadNumber(text, ',');
        ASSERT_TRUE(read.has_value()) << text;
        ASSERT_EQ(*read, expected) << text;
    }
}

// Every 15-digit text reads back to a value whose text is the same.
TEST(ReadNumberTest, NumberTextRoundTrips) {
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> exponent(-30, 30);
    for (int i = 0; i < 5000; ++i) {
        const long double v = std::pow(10.0L, static_cast<long double>(exponent(random))) * (i % 2 ? -1 : 1);
        const std::string text = NumberText(v, 15, ',');
        const auto read = ReadNumber(text, ',');
        ASSERT_TRUE(read.has_value()) << text;
        ASSERT_EQ(NumberText(*read, 15, ','), text);
    }
}

TEST(StrToFloatTest, ReportsTheText) {
    EXPECT_EQ(StrToFloat("2,5", ','), 2.5L);
    try {
        (void)StrToFloat("abc", ',');
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
}

struct IntegerCase {
    const char* text;
    std::optional<int> expected;
};

class ReadIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerTest, ReadsThirtyTwoBits) {
    EXPECT_EQ(ReadInteger(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadIntegerTest,
    ::testing::Values(IntegerCase{"12", 12}, IntegerCase{" -7 ", -7}, IntegerCase{"+3", 3},
                      IntegerCase{"2147483647", 2147483647}, IntegerCase{"-2147483648", -2147483647 - 1},
                      IntegerCase{"2147483648", std::nullopt}, IntegerCase{"-2147483649", std::nullopt},
                      IntegerCase{"99999999999999999999", std::nullopt}, IntegerCase{"", std::nullopt},
                      IntegerCase{"-", std::nullopt}, IntegerCase{"1,0", std::nullopt},
                      IntegerCase{"1E3", std::nullopt}));

TEST(StrToIntTest, ReportsTheText) {
    EXPECT_EQ(StrToInt("42"), 42);
    try {
        (void)StrToInt("1.5");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1.5' is not a valid integer value");
    }
}

} // namespace
} // namespace orvex::test
