// The values users meet: formula text in, the number text (or "no value", or the error) out, under
// both decimal separators.
#include "EvaluatorTestSupport.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <tuple>
#include <vector>

namespace orvex::test {
namespace {

struct ValueCase {
    const char* formula;
    long double x;
    const char* expected; // "," is the separator in force
};

std::ostream& operator<<(std::ostream& os, const ValueCase& c) {
    return os << '"' << Printable(c.formula) << "\" at " << static_cast<double>(c.x);
}

const char* const kOverflow = "error: Floating point overflow";
const long double kPi = std::numbers::pi_v<long double>;

const std::vector<ValueCase> kPrecedence = {
    {"x^2+3.5*sin(x)", 1, "3,94514844682764"},
    {"2+3*4", 0, "14"},
    {"2*3^2", 0, "18"},
    {"2^2*3", 0, "12"},
    {"8/2/2", 0, "2"},
    {"6:3*2", 0, "4"},
    {"x:2", 3, "1,5"},
    {"1+2-3+4", 0, "4"},
    {"2^3^2", 0, "64"},
    {"-2^2", 0, "-4"},
    {"-x^2", 3, "-9"},
    {"x^2", -3, "9"},
    {"x^(-2)", 2, "0,25"},
    {"x^-2", 2, kNoValue},
    {"2*-x", 2, kNoValue},
    {"2*(-x)", 2, "-4"},
    {"1/3*3", 0, "0,999999999999999"},
    {"--x", 2, "2"},
    {"+-x", 2, "-2"},
    {"x-", 1, kNoValue},
    {"*x", 1, kNoValue},
    {"sinx^2", 1, "0,708073418273572"},
    {"2^sinx", 0, "1"},
    {"sin^2(x)", 1, kNoValue},
    {"sincos(x)", 0, "0,841470984807897"},
    {"cossin(x)", 0, kNoValue},
    {"SIN(X)", 1, "0,841470984807897"},
    {"sin x", 1, "0,841470984807897"},
    {"sinx", 1, "0,841470984807897"},
};

const std::vector<ValueCase> kAdjacency = {
    {"2sin(x)", 0, "2"},      {"2(x+1)", 2, "5"},
    {"sin(x)cos(x)", 0, "1"}, {"(1)(2)", 0, "3"},
    {"2 3", 0, "23"},                               // blanks go first, so this is one token
    {"2x", 3, "23"},                                // a digit against x joins its token
    {"2x", 0.5L, "20,5"},     {"2x", -1, kNoValue}, // #2-1# is not a number
    {"x x", 1, "11"},         {"2pi", 0, "23,1415926535898"},
    {"1e5", 0, kNoValue}, // "e" is no exponent in formulas
    {"1.5+x", 0, "1,5"},      {"1,5+x", 0, "1,5"},
};

const std::vector<ValueCase> kBracketsAndBars = {
    {"sqrt(x", 4, "2"},
    {"((x+1)*2", 1, "4"},
    {"sin(x))", 1, kNoValue},
    {"()", 0, kNoValue},
    {"(x)", 7, "7"},
    {"|x-1|", -1, "2"},
    {"|x|+|x-2|", 1, "2"},
    {"||x||", 1, kNoValue},
    {"|x", -3, "3"},
    {"|x|^0.5", -4, "2"},
    {"pi", 0, "3,14159265358979"},
    {"PI*x", 2, "6,28318530717958"},
    {"sin(pi)", 0, "3,23846172363808E-15"}, // pi enters as its 15-digit text
    {"", 0, kNoValue},
    {"   ", 0, kNoValue},
    {"#", 0, kNoValue},
    {"x#", 4, kNoValue}, // a typed "#" delimits an empty token
    {"#x", 4, kNoValue},
};

const std::vector<ValueCase> kFunctions = {
    {"ch(x)", 0, "1"},
    {"ch(x)", 1, "1,54308063481524"},
    {"sh(x)", 1, "1,1752011936438"},
    {"sh(x)", 0, "0"},
    {"tgh(x)", 1, "0,761594155955765"},
    {"tgh(x)", -1e-17L, "0"},
    {"ach(x)", 1, "0"},
    {"ach(x)", 2, "1,31695789692482"},
    {"ach(x)", 0.5L, kNoValue},
    {"ash(x)", 1, "0,881373587019543"},
    {"ash(x)", -1, "-0,881373587019543"},
    {"ash(x)", -1e10L, "-23,7189981105004"}, // no cancellation to ln(0)
    {"ash(x)", 1e30L, "69,7706999703813"},
    {"sqrt(x)", 2, "1,4142135623731"},
    {"sqrt(x)", -1e-20L, kNoValue},
    {"sec(0)", 0, "1"},
    {"sec(x)", kPi / 2, kNoValue},
    {"csec(x)", 0, kNoValue},
    {"csec(x)", 1, "1,18839510577812"},
    {"tg(x)", kPi / 2, kNoValue}, // substituted as 1,5707963267949
    {"tg(x)", 1, "1,5574077246549"},
    {"ctg(x)", 1, "0,642092615934331"},
    {"ctg(x)", 0, kNoValue},
    {"sin(x)", 1e19L, "0"},
    {"cos(x)", -1e19L, "0"},
    {"arcsin(x)", 1, "1,5707963267949"},
    {"arcsin(x)", 1.5L, kNoValue},
    {"arccos(x)", -1, "3,14159265358979"},
    {"arccos(x)", -1.0000001L, kNoValue},
    {"arctg(x)", 1, "0,785398163397448"},
    {"arcctg(x)", 1, "0,785398163397448"},
    {"arcctg(x)", -1, "-0,785398163397448"},
    {"arcctg(x)", 0, kNoValue},
    {"abs(x)", -2.5L, "2,5"},
    {"ln(x)", 1, "0"},
    {"ln(x)", 0, kNoValue},
    {"ln(x)", 1e-11L, kNoValue},
    {"ln(x)", 1e-10L, "-23,0258509299405"},
    {"lg(x)", 100, "2"},
    {"lg(x)", 0, kNoValue},
    {"lg(x)", 1e-20L, "-20"},
    {"sqr(x)", 4, kNoValue},
    {"exp(x)", 1, kNoValue},
};

const std::vector<ValueCase> kPowersAndDomains = {
    {"(-2)^x", 3, "-8"},
    {"(-2)^x", 0.5L, kNoValue},
    {"(-2)^x", 3.00000000001L, "-8"}, // within 1e-10 of 3: the nearest integer is the exponent
    {"(-2)^x", 2.99999999999L, kNoValue},
    {"(-1)^x", 1e20L, "1"}, // integral and huge: even
    {"x^0.5", -4, kNoValue},
    {"abs(x)^0.5", -4, "2"},
    {"0^0", 0, "1"},
    {"x^0", -5, "1"},
    {"0^x", -1, kNoValue},
    {"0^x", 2.5L, "0"},
    {"2^x", -1, "0,5"},
    {"2^x", 0.5L, "1,4142135623731"},
    {"x^x", 1e-11L, "0,999999999746716"},
    {"x^(-1)", 1e-11L, kNoValue},
    {"x^(-1)", 1e-10L, "10000000000"},
    {"2^x", 2147483647, kOverflow},
    {"x^2147483647", 1, "1"},
    {"x^4294967296", -1, "1"},
    {"1/x", 0, kNoValue},
    {"1/x", 1e-10L, "10000000000"},
    {"x/x", 1e-11L, kNoValue},
    {"x/0,00000000001", 1, kNoValue},
};

const std::vector<ValueCase> kArithmeticFaults = {
    {"sh(x)", 20000, kOverflow},
    {"sh(x)", -20000, kOverflow},
    {"ch(x)", -11400, kOverflow},
    {"tgh(x)", 12000, kOverflow},
    {"x*x", 1e3000L, kOverflow},
    {"x+x", 1e4932L, kOverflow},
    {"x-(-x)", -1e4932L, kOverflow},
    {"x/0,5", 1e4932L, kOverflow},
    {"10^x", 5000, kOverflow},
    {"x^5000", 10, kOverflow},
    {"(-10)^x", 5001, kOverflow},
    {"x^x", 3000, kOverflow},
    {"2^x", 20000.5L, kOverflow},
    {"0,5^x", -20000, kOverflow},       // 0,5^20000 vanishes, so the quotient is too large
    {"(-10)^x", 3000000001, kOverflow}, // beyond the integer exponents: nearest integer, sign by parity
    // Results below the extended range are zero without an error.
    {"2^x", -20000, "0"},
    {"x*x", 1e-3000L, "0"},
    {"(1/x)^2", 1e4000L, "0"},
    {"x^x", -3001, "0"},
    {"ch(x)", 11000, "8,67502909638869E4776"},
};

class EvaluatorValueTest : public ::testing::TestWithParam<std::tuple<ValueCase, char>> {};

TEST_P(EvaluatorValueTest, GivesTheUsersValue) {
    const auto& [c, separator] = GetParam();
    const SeparatorScope scope(separator);
    EXPECT_EQ(ValueAt(ForSeparator(c.formula, separator), c.x), ForSeparator(c.expected, separator)) << c;
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<ValueCase, char>>& info) {
    return "Case" + std::to_string(info.index / 2) + SeparatorName(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(Precedence, EvaluatorValueTest,
                         ::testing::Combine(::testing::ValuesIn(kPrecedence), ::testing::Values(',', '.')),
                         caseName);
INSTANTIATE_TEST_SUITE_P(Adjacency, EvaluatorValueTest,
                         ::testing::Combine(::testing::ValuesIn(kAdjacency), ::testing::Values(',', '.')),
                         caseName);
INSTANTIATE_TEST_SUITE_P(BracketsAndBars, EvaluatorValueTest,
                         ::testing::Combine(::testing::ValuesIn(kBracketsAndBars),
                                            ::testing::Values(',', '.')),
                         caseName);
INSTANTIATE_TEST_SUITE_P(Functions, EvaluatorValueTest,
                         ::testing::Combine(::testing::ValuesIn(kFunctions), ::testing::Values(',', '.')),
                         caseName);
INSTANTIATE_TEST_SUITE_P(PowersAndDomains, EvaluatorValueTest,
                         ::testing::Combine(::testing::ValuesIn(kPowersAndDomains),
                                            ::testing::Values(',', '.')),
                         caseName);
INSTANTIATE_TEST_SUITE_P(ArithmeticFaults, EvaluatorValueTest,
                         ::testing::Combine(::testing::ValuesIn(kArithmeticFaults),
                                            ::testing::Values(',', '.')),
                         caseName);

// The formula is cut to 50 characters before and during preparation.
TEST(EvaluatorCutTest, TwentyFiveOnesGiveThirteen) {
    std::string ones = "1";
    for (int i = 1; i < 25; ++i)
        ones += "+1";
    ASSERT_EQ(ones.size(), 49U);
    EXPECT_EQ(ValueAt(ones, 0), "13");
}

TEST(EvaluatorCutTest, TextBeyondFiftyCharactersIsIgnored) {
    // The cut comes before the blanks are removed: "*1000" lies beyond the 50th character.
    const std::string formula = "x+1" + std::string(47, ' ') + "*1000";
    EXPECT_EQ(ValueAt(formula, 1), "2");
    EXPECT_EQ(ValueAt("x+1*1000", 1), "1001");
}

TEST(EvaluatorCutTest, TokensPushedPastTheEndAreCut) {
    // 44 characters; pi adds 14 more and the "#" marks 4, so only "3,141" of pi stays, in a token left
    // open to the end of the text.
    const std::string formula = std::string(40, '0') + "1+pi";
    const SeparatorScope scope(',');
    EXPECT_EQ(ValueAt(formula, 0), "4,141");
}

// A single call neither keeps state nor depends on earlier calls.
TEST(EvaluatorStateTest, ErrorsLeaveNothingBehind) {
    const SeparatorScope scope(',');
    EXPECT_EQ(ValueAt("sh(x)", 20000), kOverflow);
    EXPECT_EQ(ValueAt("(sh(x)+1)*2", 1), "4,3504023872876");
    EXPECT_EQ(ValueAt("((((x", 2), "2");
}

TEST(EvaluatorErrorTest, CarriesKindAndMessage) {
    std::string formula = "x^x";
    PrepareFormula(formula, "x");
    long double value = 0;
    try {
        (void)EvaluateExpression(SubstituteVariable(formula, 'x', 5000), value);
        FAIL() << "no error";
    } catch (const ArithmeticError& e) {
        EXPECT_EQ(e.kind(), ArithmeticError::Kind::Overflow);
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

} // namespace
} // namespace orvex::test
