// The simplifier and the printer: folds, identities, brackets and the failures of folding.
#include "ArithmeticError.h"
#include "DiffError.h"
#include "DiffTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace orvex::test {
namespace {

struct SimplifyCase {
    const char* input;
    const char* output;
};

void PrintTo(const SimplifyCase& c, std::ostream* os) {
    *os << '"' << c.input << '"';
}

class Simplified : public ::testing::TestWithParam<SimplifyCase> {};

TEST_P(Simplified, Prints) {
    TTreeBench bench;
    EXPECT_EQ(bench.Simplified(GetParam().input), GetParam().output) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Simplified,
    ::testing::Values(
        SimplifyCase{"2/4", "0.5"}, SimplifyCase{"1/3", "0.333333333333333"},
        SimplifyCase{"1/100000", "1E-5"}, SimplifyCase{"0-x", "(-x)"}, SimplifyCase{"x-(-y)", "x-((-y))"},
        SimplifyCase{"(x*y)/z", "x*y/z"}, SimplifyCase{"x*(y/z)", "x*y/z"},
        SimplifyCase{"x/(y*z)", "x/(y*z)"}, SimplifyCase{"(sin(x))^2", "(sin(x))^2"},
        SimplifyCase{"(-2)^3", "(-8)"}, SimplifyCase{"sqrt(4)*x", "2*x"},
        SimplifyCase{"(((cos(x)*(1)))*(((x)^(2)))+(((2)*(x)^(1)*(1)))*(sin(x)))", "cos(x)*x^2+2*x*sin(x)"},
        SimplifyCase{"((1)*(((x)+(1)))-(((1)+(0)))*(x))/(((x)+(1)))^2", "(x+1-x)/(x+1)^2"},
        SimplifyCase{"(1/(cos(((2)*(x)))^2)*(((0)*(x)+(1)*(2))))", "1/(cos(2*x))^2*2"},
        SimplifyCase{"((0)*(((x)^(2)))-(((2)*(x)^(1)*(1)))*(1))/(((x)^(2)))^2", "((-(2*x)))/(x^2)^2"}));

INSTANTIATE_TEST_SUITE_P(
    Identities, Simplified,
    ::testing::Values(SimplifyCase{"x+0", "x"}, SimplifyCase{"0+x", "x"}, SimplifyCase{"x-0", "x"},
                      SimplifyCase{"x*1", "x"}, SimplifyCase{"1*x", "x"}, SimplifyCase{"0*x", "0"},
                      SimplifyCase{"x*0", "0"}, SimplifyCase{"0/x", "0"}, SimplifyCase{"x/1", "x"},
                      SimplifyCase{"1/x", "1/x"}, SimplifyCase{"x^1", "x"}, SimplifyCase{"x^0", "1"},
                      SimplifyCase{"0^0", "0"}, SimplifyCase{"0^(-1)", "0"}, SimplifyCase{"x*1.0", "x"},
                      SimplifyCase{"x+0e5", "x"}, SimplifyCase{"x+y-x", "x+y-x"},
                      SimplifyCase{"-(-x)", "(-((-x)))"}, SimplifyCase{"0-(x+y)", "(-(x+y))"}));

INSTANTIATE_TEST_SUITE_P(
    Folds, Simplified,
    ::testing::Values(
        SimplifyCase{"0.1+0.2", "0.3"}, SimplifyCase{"1e20*10", "1E21"}, SimplifyCase{"2-5", "(-3)"},
        SimplifyCase{"-(2)", "(-2)"}, SimplifyCase{"(-2)^2", "4"}, SimplifyCase{"(-4)^0.5", "(-2)"},
        SimplifyCase{"2^0.5", "1.4142135623731"}, SimplifyCase{"4^(-0.5)", "0.5"},
        SimplifyCase{"sgn(0)", "0"}, SimplifyCase{"sgn(-3)", "(-1)"}, SimplifyCase{"sign(2)", "1"},
        SimplifyCase{"h(0)", "1"}, SimplifyCase{"h(-0.5)", "0"}, SimplifyCase{"heaviside(3)", "1"},
        SimplifyCase{"sin(0)+cos(0)", "1"}, SimplifyCase{"tg(0)", "0"}, SimplifyCase{"abs(-2.5)", "2.5"},
        SimplifyCase{"ln(1)", "0"}, SimplifyCase{"exp(1)", "2.71828182845905"},
        SimplifyCase{"arcsin(1)", "1.5707963267949"}, SimplifyCase{"arccos(1)", "0"},
        SimplifyCase{"arctg(1)*4", "3.14159265358979"}, SimplifyCase{"arcctg(0)", "1.5707963267949"},
        SimplifyCase{"sh(0)", "0"}, SimplifyCase{"ch(0)", "1"}, SimplifyCase{"th(0)", "0"},
        SimplifyCase{"cth(1)", "1.31303528549933"}, SimplifyCase{"exp(-20000)", "0"},
        SimplifyCase{"1e-4000*1e-4000", "0"}, SimplifyCase{"1e4000*1e-3990", "10000000000"},
        SimplifyCase{"0.0001*1", "0.0001"}, SimplifyCase{"1e15", "1e15"}, SimplifyCase{"1e15*1", "1E15"},
        SimplifyCase{"999999999999999*1", "999999999999999"}));

INSTANTIATE_TEST_SUITE_P(
    Brackets, Simplified,
    ::testing::Values(SimplifyCase{"x-(y-z)", "x-(y-z)"}, SimplifyCase{"x-y-z", "x-y-z"},
                      SimplifyCase{"x+(y+z)", "x+y+z"}, SimplifyCase{"x-(y+z)", "x-(y+z)"},
                      SimplifyCase{"x-y*z", "x-y*z"}, SimplifyCase{"(x+y)*(x-y)", "(x+y)*(x-y)"},
                      SimplifyCase{"(x-y)/z", "(x-y)/z"}, SimplifyCase{"x/(y/z)", "x/(y/z)"},
                      SimplifyCase{"x/(-y)", "x/((-y))"}, SimplifyCase{"(-x)*y", "((-x))*y"},
                      SimplifyCase{"x*(-2)", "x*(-2)"}, SimplifyCase{"x+(-2)", "x+(-2)"},
                      SimplifyCase{"-x^2", "(-(x^2))"}, SimplifyCase{"-sin(x)", "(-sin(x))"},
                      SimplifyCase{"-(x*y)", "(-(x*y))"}, SimplifyCase{"(x^2)^3", "(x^2)^3"},
                      SimplifyCase{"(x*y)^2", "(x*y)^2"}, SimplifyCase{"(-x)^2", "((-x))^2"},
                      SimplifyCase{"x^(-2)", "x^(-2)"}, SimplifyCase{"sin(x+1)", "sin(x+1)"},
                      SimplifyCase{"sign(x)*2.50", "sign(x)*2.50"}));

struct FailureCase {
    const char* input;
    const char* message;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << '"' << c.input << '"';
}

class SimplifyFails : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SimplifyFails, WithMessage) {
    TTreeBench bench;
    try {
        (void)bench.Simplified(GetParam().input);
        ADD_FAILURE() << GetParam().input << " did not fail";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), GetParam().message) << GetParam().input;
    }
}

constexpr const char* kZeroDivide = "Floating point division by zero";
constexpr const char* kInvalid = "Invalid floating point operation";
constexpr const char* kOverflow = "Floating point overflow";

INSTANTIATE_TEST_SUITE_P(
    Folds, SimplifyFails,
    ::testing::Values(FailureCase{"x/0", "Dividion by zero."},
                      FailureCase{"sin(x)/(1-1)", "Dividion by zero."}, FailureCase{"1/0", kZeroDivide},
                      FailureCase{"0/0", kInvalid}, FailureCase{"ln(0)", kZeroDivide},
                      FailureCase{"ctg(0)", kZeroDivide}, FailureCase{"cth(0)", kZeroDivide},
                      FailureCase{"ln(-1)", kInvalid}, FailureCase{"sqrt(-1)", kInvalid},
                      FailureCase{"arcsin(2)", kInvalid}, FailureCase{"arccos(-1.5)", kInvalid},
                      FailureCase{"10^5000", kOverflow}, FailureCase{"0.1^(-5000)", kOverflow},
                      FailureCase{"exp(20000)", kOverflow}, FailureCase{"sh(20000)", kOverflow},
                      FailureCase{"1e4000*1e4000", kOverflow}, FailureCase{"1e4000/1e-4000", kOverflow},
                      FailureCase{"1e99999+x", kOverflow}));

TEST(Simplifier, DividionByZeroIsADiffError) {
    TTreeBench bench;
    EXPECT_THROW((void)bench.Simplified("x/0"), DiffError);
    TTreeBench other;
    EXPECT_THROW((void)other.Simplified("1/0"), ArithmeticError);
}

} // namespace
} // namespace orvex::test
