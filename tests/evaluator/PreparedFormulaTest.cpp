// The compiled evaluator: the rounding of values through their 15-digit texts, which formulas are
// compiled, and the separator and thread rules of PreparedFormula.
#include "PreparedFormula.h"
#include "EvaluatorTestSupport.h"
#include "TokenRounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <thread>

namespace orvex::test {
namespace {

const long double kHuge = std::numeric_limits<long double>::infinity();

bool SameBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

// RoundAsToken against writing and reading the text; false where the text does not read back.
void ExpectRoundsLikeText(long double v) {
    long double fast = 0;
    long double text = 0;
    const bool fastOk = detail::RoundAsToken(v, fast);
    const bool textOk = detail::RoundAsTokenByText(v, text);
    ASSERT_EQ(fastOk, textOk) << static_cast<double>(v);
    if (fastOk) {
        ASSERT_TRUE(SameBits(fast, text)) << NumberText(v, 18, '.') << ": " << NumberText(fast, 18, '.')
                                          << " against " << NumberText(text, 18, '.');
    }
}

struct RoundingCase {
    long double v;
    const char* expected; // NumberText(result, 18), or "" when the text does not read back
};

const std::vector<RoundingCase> kRoundingCases = {
    {1.000000000000005L, "1.00000000000001"},     // 5 in the 16th digit rounds up
    {1.0000000000000049L, "1"},                   // below it rounds down
    {-0.1234567890123455L, "-0.123456789012346"}, // half up on the magnitude
    {9.999999999999995L, "10"},                   // carry out of the first digit
    {1234567890123456785.0L, "1.23456789012346E18"},
    {123456789012344499.5L, "123456789012345000"}, // 18 digits: the tie rounds 499 up to 500
    {123456789012344498.5L, "123456789012344000"}, // and 498 to itself
    {0.00001L, "1E-5"},
    {0.000099999999999999999L, "0.0001"},
    {999999999999999.5L, "1000000000000000"},
    {1e-10L, "1E-10"},
    {1e-20L, "1E-20"}, // beyond the exact powers of ten: through the text
    {1e50L, "1E50"},
    {-0.0L, "0"},
    {std::numeric_limits<long double>::max(), "1.18973149535723E4932"}, // rounds down, into the range
    {std::numeric_limits<long double>::infinity(), ""},
    {std::numeric_limits<long double>::quiet_NaN(), ""},
};

class RoundAsTokenTest : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(RoundAsTokenTest, ReadsBackTheFifteenDigitText) {
    const RoundingCase& c = GetParam();
    ExpectRoundsLikeText(c.v);
    long double out = 0;
    const bool ok = detail::RoundAsToken(c.v, out);
    EXPECT_EQ(ok ? NumberText(out, 18, '.') : "", c.expected);
    if (ok && out == 0) {
        EXPECT_FALSE(std::signbit(out));
    }
}

INSTANTIATE_TEST_SUITE_P(Values, RoundAsTokenTest, ::testing::ValuesIn(kRoundingCases));

// Every power of ten and its neighbours across the range of the integer route and past both its ends,
// texts with a 5 (or a tie) just past the 15th or 18th digit, and random values of every exponent.
TEST(RoundAsTokenTest, AgreesWithTheTextEverywhere) {
    for (int k = -4951; k <= 4932; ++k) {
        const long double p = std::pow(10.0L, static_cast<long double>(k));
        for (const long double v : {p, std::nextafter(p, 0.0L), std::nextafter(p, kHuge), -p})
            ASSERT_NO_FATAL_FAILURE(ExpectRoundsLikeText(v));
    }
    std::mt19937_64 random(77);
    for (int i = 0; i < 20000; ++i) {
        const auto digits = static_cast<long double>(100000000000000ULL + random() % 900000000000000ULL);
        const int shift = static_cast<int>(random() % 70) - 35;
        const long double fives = std::pow(10.0L, static_cast<long double>(shift));
        const long double tie15 = (digits + 0.5L) * fives;
        const long double tie18 = (digits * 1000 + 499.5L) * fives / 1000;
        const long double tie19 = (digits * 10000 + 4995) * fives / 10000;
        for (const long double v : {tie15, std::nextafter(tie15, 0.0L), std::nextafter(tie15, kHuge), tie18,
                                    std::nextafter(tie18, 0.0L), std::nextafter(tie18, kHuge), tie19,
                                    std::nextafter(tie19, 0.0L), std::nextafter(tie19, kHuge)})
            ASSERT_NO_FATAL_FAILURE(ExpectRoundsLikeText(v));
        const long double mantissa = 1 + static_cast<long double>(random() >> 1) * 0x1p-63L;
        ASSERT_NO_FATAL_FAILURE(
            ExpectRoundsLikeText(std::ldexp(mantissa, static_cast<int>(random() % 32800) - 16440)));
    }
}

// Plain expressions compile, also where the text evaluator has no value, leaves a bracket open or
// cuts the formula at 50 characters.
const std::vector<std::string> kCompiled = {"x^2+3.5*sin(x)",
                                            "SIN(X) + cos x",
                                            "sinx^2",
                                            "|x-1|+|x|",
                                            "x:2",
                                            "sqrt(x",
                                            "--x",
                                            "1,5+x*2.5",
                                            "2pi*x",
                                            "x^-2",
                                            "",
                                            "sin(x)^2+cos(x)^2*ln(abs(x)+1)-sqrt(x^2+1)/ch(x/3)"};

// Refused: a digit or separator against x, a typed "#", bars that do not pair, foreign characters, and
// operands side by side, which the text evaluator adds.
const std::vector<std::string> kRefused = {"2x",     "x2",   "xx",     "x,5",  "pix",      "x#",
                                           "|x",     "||x|", "\xC4x",  "x\t",  "x!",       "2sin(x)",
                                           "2(x+1)", "x(x)", "(x)(x)", "(x)x", "x sin(x)", "|x||x|"};

class CompileTest : public ::testing::TestWithParam<std::tuple<std::string, char>> {};

TEST_P(CompileTest, CompilesPlainExpressionsOnly) {
    const auto& [text, separator] = GetParam();
    const SeparatorScope scope(separator);
    const bool plain = std::find(kCompiled.begin(), kCompiled.end(), text) != kCompiled.end();
    EXPECT_EQ(PreparedFormula(text).isCompiled(), plain) << text;
}

INSTANTIATE_TEST_SUITE_P(Plain, CompileTest, BothSeparators(kCompiled));
INSTANTIATE_TEST_SUITE_P(Refused, CompileTest, BothSeparators(kRefused));

// The separator in force at construction stays with the formula: "2x" at 0.5 is the token 20,5.
TEST(PreparedFormulaTest, KeepsItsSeparator) {
    for (const char* text : {"2x", "x/4"}) {
        SetDecimalSeparator(',');
        const PreparedFormula formula(text);
        const SeparatorScope later('.');
        long double value = 0;
        ASSERT_TRUE(formula.valueAt(0.5L, value)) << text;
        EXPECT_EQ(NumberText(value, 15), text[0] == '2' ? "20.5" : "0.125");
    }
}

// Several threads on one formula get what one thread gets, on both paths.
TEST(PreparedFormulaTest, EvaluatesFromSeveralThreads) {
    const SeparatorScope scope(',');
    for (const char* text : {"sin(x)*cos(x)/(1+x^2)", "2sin(x)/(1+x^2)"}) {
        const PreparedFormula formula(text);
        auto sweep = [&formula] {
            std::vector<long double> values(2000);
            for (std::size_t i = 0; i < values.size(); ++i)
                (void)formula.valueAt(static_cast<long double>(i) / 100, values[i]);
            return values;
        };
        const auto expected = sweep();
        std::vector<std::vector<long double>> results(4);
        std::vector<std::thread> threads;
        for (auto& result : results)
            threads.emplace_back([&sweep, &result] { result = sweep(); });
        for (auto& thread : threads)
            thread.join();
        for (const auto& result : results)
            EXPECT_TRUE(std::equal(result.begin(), result.end(), expected.begin(), SameBits)) << text;
    }
}

} // namespace
} // namespace orvex::test
