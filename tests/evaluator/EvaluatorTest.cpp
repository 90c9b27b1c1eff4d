// The values users meet: formula text in, the number text (or "no value", or the error) out, under
// both decimal separators.
#include "EvaluatorTestSupport.h"
#include "FunctionTable.h"

#include <cmath>
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
    {"8/2/2", 0, "2"},
    {"-2^2", 0, "-4"},
    {"x^2", -3, "9"},
    {"x^-2", 2, kNoValue},
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
    {"pi", 0, "3,14159265358979"},
    {"sin(pi)", 0, "3,23846172363808E-15"},
    {"", 0, kNoValue},
    {"x#", 4, kNoValue}, // a typed "#" delimits an empty token
    // Functions and their domains, boundaries included.
    {"sh(x)", 1, "1,1752011936438"},
    {"tgh(x)", 1, "0,761594155955765"},
    {"ach(x)", 2, "1,31695789692482"},
    {"ach(x)", 0.5L, kNoValue},
    {"ash(x)", -1e10L, "-23,7189981105004"}, // no cancellation to ln(0)
    {"sqrt(x)", -1e-20L, kNoValue},
    {"csec(x)", 0, kNoValue},
    {"tg(x)", std::numbers::pi_v<long double> / 2, kNoValue}, // substituted as 1,5707963267949
    {"ctg(x)", 1, "0,642092615934331"},
    {"sin(x)", 1e19L, "0"},
    {"arcsin(x)", 1.5L, kNoValue},
    {"arccos(x)", -1, "3,14159265358979"},
    {"arcctg(x)", -1, "-0,785398163397448"},
    {"arcctg(x)", 0, kNoValue},
    {"ln(x)", 1e-11L, kNoValue},
    {"ln(x)", 1e-10L, "-23,0258509299405"},
    {"lg(x)", 100, "2"},
    {"lg(x)", 0, kNoValue},
    {"exp(x)", 1, kNoValue},
    // Powers and divisors.
    {"(-2)^x", 3, "-8"},
    {"(-2)^x", 0.5L, kNoValue},
    {"(-2)^x", 3.00000000001L, "-8"}, // within 1e-10 of 3: the nearest integer is the exponent
    {"(-2)^x", 2.99999999999L, kNoValue},
    {"(-1)^x", 1e20L, "1"}, // integral and huge: even
    {"x^0.5", -4, kNoValue},
    {"0^0", 0, "1"},
    {"2^x", -1, "0,5"},
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
    {"x^x", 3000, kOverflow},
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

INSTANTIATE_TEST_SUITE_P(Formulas, EvaluatorValueTest, BothSeparators(kValues), SeparatorCaseName());

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

TEST(ArithmeticErrorTest, CarriesTheUsersMessages) {
    using Kind = ArithmeticError::Kind;
    EXPECT_STREQ(ArithmeticError(Kind::InvalidOperation).what(), "Invalid floating point operation");
    EXPECT_STREQ(ArithmeticError(Kind::DivisionByZero).what(), "Floating point division by zero");
    EXPECT_STREQ(ArithmeticError(Kind::Overflow).what(), "Floating point overflow");
}

// Sine and cosine reduce their argument by pi/2 themselves; they must agree with the library's, also
// next to a multiple of pi (the extended value nearest to 1000 pi comes first).
TEST(TrigonometryTest, AgreesWithTheLibrary) {
    const int functions[] = {detail::FindFunction("sin")->index, detail::FindFunction("cos")->index};
    long double (*const reference[])(long double) = {std::sin, std::cos};
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> magnitude(-3, 6.5);
    for (int i = 0; i < 10000; ++i) {
        const long double v =
            i == 0 ? 3141.59265358979323846L
                   : std::pow(10.0L, static_cast<long double>(magnitude(random))) * (i % 2 ? -1 : 1);
        for (int f = 0; f < 2; ++f) {
            long double result = 0;
            ASSERT_TRUE(detail::ApplyFunction(functions[f], v, result));
            const long double expected = reference[f](v);
            ASSERT_LE(std::fabs(result - expected), 4 * std::fabs(expected) * 0x1p-63L + 0x1p-100L)
                << static_cast<double>(v);
        }
    }
}

} // namespace
} // namespace orvex::test
