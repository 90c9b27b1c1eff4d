// The texts the evaluator works on, and the values users meet: formula text in, the number text (or
// "no value", or the error) out, under both decimal separators.
#include "Arithmetic.h"
#include "EvaluatorTestSupport.h"
#include "FunctionTable.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <numbers>
#include <random>

namespace orvex::test {
namespace {

struct ValueCase {
    const char* formula;
    long double x;
    const char* expected; // "," is the separator in force
};

const char* const kOverflow = "error: Floating point overflow";

const std::vector<ValueCase> kValues = {
    // Precedence: brackets, functions, "^" (left to right), "*" and "/", then the signs. A function
    // applies to the token right after it; the name latest in table order goes first.
    {"x^2+3.5*sin(x)", 1, "3,94514844682764"},
    {"2^3^2", 0, "64"},
    {"-2^2", 0, "-4"},
    {"x^2", -3, "9"},
    {"2*-x", 2, kNoValue},
    {"1/3*3", 0, "0,999999999999999"}, // 1/3 goes through its 15-digit text
    {"--x", 2, "2"},
    {"x-", 1, kNoValue},
    {"*x", 1, kNoValue},
    {"sinx^2", 1, "0,708073418273572"},
    {"sincos(x)", 0, "0,841470984807897"},
    {"cossin(x)", 0, kNoValue},
    // Adjacent tokens are added; a digit against x or pi joins its token.
    {"2sin(x)", 0, "2"},
    {"2x", 0.5L, "20,5"},
    {"2x", -1, kNoValue}, // #2-1# is not a number
    {"2pi", 0, "23,1415926535898"},
    {"1e5", 0, kNoValue},
    // Brackets are closed at the end, bars pair from left to right, pi enters as its 15-digit text.
    {"sqrt(x", 4, "2"},
    {"sin(x))", 1, kNoValue},
    {"()", 0, kNoValue},
    {"|x-1|", -1, "2"},
    {"||x||", 1, kNoValue},
    {"|x", -3, "3"},
    {"sin(pi)", 0, "3,23846172363808E-15"},
    {"", 0, kNoValue},
    {"x#", 4, kNoValue}, // a typed "#" delimits an empty token
    // Functions and their domains, boundaries included.
    {"ach(x)", 0.5L, kNoValue},
    {"ash(x)", -1e10L, "-23,7189981105004"}, // no cancellation to ln(0)
    {"sqrt(x)", -1e-20L, kNoValue},
    {"csec(x)", 0, kNoValue},
    {"tg(x)", std::numbers::pi_v<long double> / 2, kNoValue}, // substituted as 1,5707963267949
    {"sin(x)", 1e19L, "0"},
    {"arcsin(x)", 1.5L, kNoValue},
    {"arcctg(x)", -1, "-0,785398163397448"},
    {"arcctg(x)", 0, kNoValue},
    {"ln(x)", 1e-11L, kNoValue},
    {"ln(x)", 1e-10L, "-23,0258509299405"},
    {"lg(x)", 100, "2"},
    {"exp(x)", 1, kNoValue},
    // Powers and divisors: a negative base takes the nearest integer within 1e-10 as its exponent.
    {"(-2)^x", 3.00000000001L, "-8"},
    {"(-2)^x", 2.99999999999L, kNoValue},
    {"(-1)^x", 1e20L, "1"}, // integral and huge: even
    {"x^0.5", -4, kNoValue},
    {"0^0", 0, "1"},
    {"2^x", 0.5L, "1,4142135623731"},
    {"x^(-1)", 1e-11L, kNoValue},
    {"1/x", 1e-10L, "10000000000"},
    {"x/x", 1e-11L, kNoValue},
    // Results beyond the extended range raise overflow; results below it are zero.
    {"sh(x)", 20000, kOverflow},
    {"tgh(x)", 12000, kOverflow},
    {"x*x", 1e3000L, kOverflow},
    {"x+x", 1e4932L, kOverflow},
    {"10^x", 5000, kOverflow},
    {"0,5^x", -20000, kOverflow},       // 0,5^20000 vanishes, so its reciprocal is too large
    {"(-10)^x", 3000000001, kOverflow}, // beyond the integer exponents
    {"2^x", -20000, "0"},
    {"x*x", 1e-3000L, "0"},
    {"ch(x)", 11000, "8,67502909638869E4776"},
};

class EvaluatorValueTest : public ::testing::TestWithParam<std::tuple<ValueCase, char>> {};

TEST_P(EvaluatorValueTest, GivesTheUsersValue) {
    const auto& [c, separator] = GetParam();
    const SeparatorScope scope(separator);
    EXPECT_EQ(ValueAt(ForSeparator(c.formula, separator), c.x), ForSeparator(c.expected, separator))
        << c.formula << " at " << static_cast<double>(c.x);
}

INSTANTIATE_TEST_SUITE_P(Formulas, EvaluatorValueTest, BothSeparators(kValues));

struct TextCase {
    std::string input;
    std::string expected; // "," is the separator in force
};

const std::vector<TextCase> kPrepareCases = {
    {"x^2+3.5*sin(x)", "#x#^#2#+#3,5#*sin(#x#)"},
    {"SIN(X)", "sin(#x#)"},
    {"sin x", "sin#x#"},
    {"||x||", "abs()#x#abs()"},
    {"x:2", "#x#/#2#"},
    {"ppii", "p#3,14159265358979#i"},
    {"\tx", "\t#x#"},             // only blanks are removed
    {"\xC4x\xE4", "\xC4#x#\xE4"}, // Cyrillic letters keep their case
    {"#x#", "##x##"},             // a typed "#" is passed over
};

class PrepareFormulaTest : public ::testing::TestWithParam<std::tuple<TextCase, char>> {};

TEST_P(PrepareFormulaTest, NormalisesTheText) {
    const auto& [c, separator] = GetParam();
    const SeparatorScope scope(separator);
    std::string text = ForSeparator(c.input, separator);
    PrepareFormula(text, "x");
    EXPECT_EQ(text, ForSeparator(c.expected, separator));
}

INSTANTIATE_TEST_SUITE_P(Formulas, PrepareFormulaTest, BothSeparators(kPrepareCases));

// Every occurrence of x becomes its 15-digit number text with the separator in force.
TEST(SubstituteVariableTest, PutsTheNumberTextOfX) {
    for (const char separator : {',', '.'}) {
        const SeparatorScope scope(separator);
        EXPECT_EQ(SubstituteVariable("#x#*#x#", 'x', 0.00001L), "#1E-5#*#1E-5#");
        EXPECT_EQ(SubstituteVariable("#2x#", 'x', -1.5L), ForSeparator("#2-1,5#", separator));
    }
}

// The formula is cut to 50 characters before and during preparation.
TEST(EvaluatorCutTest, FormulasLoseTheirTail) {
    const SeparatorScope scope(',');
    EXPECT_EQ(ValueAt("1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1", 0), "13");
    // The cut comes before the blanks go: "*1000" lies beyond the 50th character.
    EXPECT_EQ(ValueAt("x+1" + std::string(47, ' ') + "*1000", 1), "2");
    // pi pushes all but "3,141" past the end, in a token left open to the end of the text.
    EXPECT_EQ(ValueAt(std::string(40, '0') + "1+pi", 0), "4,141");
}

// A call keeps no state: an error or an unclosed bracket leaves nothing for the next call.
TEST(EvaluatorStateTest, ErrorsLeaveNothingBehind) {
    const SeparatorScope scope(',');
    EXPECT_EQ(ValueAt("sh(x)", 20000), kOverflow);
    EXPECT_EQ(ValueAt("(sh(x)+1)*2", 1), "4,3504023872876");
    EXPECT_EQ(ValueAt("((((x", 2), "2");
}

// Sine and cosine reduce their argument by pi/2 themselves; they must agree with the library's, also
// next to a multiple of pi (the extended value nearest to 1000 pi comes first).
TEST(TrigonometryTest, AgreesWithTheLibrary) {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> magnitude(-3, 6.5);
    for (int i = 0; i < 20000; ++i) {
        const long double v =
            i < 2 ? 3141.59265358979323846L : std::pow(10.0L, magnitude(random)) * (i % 2 ? -1 : 1);
        const long double expected = i % 2 ? std::sin(v) : std::cos(v);
        long double result = 0;
        ASSERT_TRUE(detail::ApplyFunction(detail::FindFunction(i % 2 ? "sin" : "cos")->index, v, result));
        ASSERT_LE(std::fabs(result - expected), 4 * std::fabs(expected) * 0x1p-63L + 0x1p-100L)
            << static_cast<double>(v);
    }
}

// The power routine's truncation and integer conversions avoid the library's; they must agree with it,
// signed zeros and the ends of their ranges included.
TEST(ArithmeticTest, IntegerHelpersAgreeWithTheLibrary) {
    std::mt19937_64 random(11);
    // clang-format off
    std::vector<long double> values = {0.0L, -0.0L, 0.5L, -0.5L, 1.5L, -2.5L, 0x1p63L - 0.5L, 0x1p62L + 0.5L,
                                       -(0x1p63L - 1), 0x1p63L, 1e300L, HUGE_VALL, LDBL_TRUE_MIN, NAN};
    // clang-format on
    for (int i = 0; i < 100000; ++i) {
        const long double mantissa = 1 + static_cast<long double>(random() >> 1) * 0x1p-63L;
        values.push_back(std::ldexp(mantissa, static_cast<int>(random() % 140) - 70) * (i % 2 ? -1 : 1));
    }
    for (const long double v : values) {
        const long double expected = std::trunc(v);
        const long double truncated = detail::Truncated(v);
        ASSERT_TRUE(std::memcmp(&truncated, &expected, 10) == 0) << static_cast<double>(v); // NaN, -0 too
        if (std::fabs(expected) < 0x1p63L) {
            ASSERT_EQ(detail::IntegralToInteger(expected), static_cast<long long>(expected))
                << static_cast<double>(v);
        }
    }
}

} // namespace
} // namespace orvex::test
