// The simplifier and the printer: folds, identities, brackets and the failures of folding.
#include "DiffTestSupport.h"

namespace orvex::test {
namespace {

class Simplified : public ::testing::TestWithParam<TextCase> {};

// The printed text, or the message of the error that folding raises.
TEST_P(Simplified, Prints) {
    TTreeBench bench;
    EXPECT_EQ(TextOrFailure([&] { return bench.Simplified(GetParam().in); }), GetParam().out)
        << GetParam().in;
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, Simplified,
                         ::testing::Values(TextCase{"2/4", "0.5"}, TextCase{"1/3", "0.333333333333333"},
                                           TextCase{"1/100000", "1E-5"}, TextCase{"0-x", "(-x)"},
                                           TextCase{"x-(-y)", "x-((-y))"}, TextCase{"(x*y)/z", "x*y/z"},
                                           TextCase{"x*(y/z)", "x*y/z"}, TextCase{"x/(y*z)", "x/(y*z)"},
                                           TextCase{"(sin(x))^2", "(sin(x))^2"}, TextCase{"(-2)^3", "(-8)"},
                                           TextCase{"sqrt(4)*x", "2*x"}));

INSTANTIATE_TEST_SUITE_P(Identities, Simplified,
                         ::testing::Values(TextCase{"0+x", "x"}, TextCase{"x*0", "0"}, TextCase{"0/x", "0"},
                                           TextCase{"1/x", "1/x"}, TextCase{"x^1", "x"}, TextCase{"x^0", "1"},
                                           TextCase{"0^0", "1"}, TextCase{"x^0.5*0", "0"},
                                           TextCase{"x*1.0+0e5", "x"}, TextCase{"-(-x)", "(-((-x)))"},
                                           TextCase{"0-(x+y)", "(-(x+y))"}));

INSTANTIATE_TEST_SUITE_P(Folds, Simplified,
                         ::testing::Values(TextCase{"0.1+0.2", "0.3"}, TextCase{"2-5", "(-3)"},
                                           TextCase{"(-8)^3", "(-512)"}, TextCase{"4^(-0.5)", "0.5"},
                                           TextCase{"sgn(0)", "0"}, TextCase{"h(0)", "1"},
                                           TextCase{"arcctg(-2)", "(-0.463647609000806)"},
                                           TextCase{"1e-4000*1e-4000", "0"},
                                           TextCase{"1e4000*1e-3990", "10000000000"},
                                           TextCase{"1e15", "1e15"}, TextCase{"1e15*1", "1E15"}));

INSTANTIATE_TEST_SUITE_P(Brackets, Simplified,
                         ::testing::Values(TextCase{"x-(y-z)", "x-(y-z)"}, TextCase{"x+(y+z)", "x+y+z"},
                                           TextCase{"(x+y)*(x-y)", "(x+y)*(x-y)"},
                                           TextCase{"x/(y/z)", "x/(y/z)"}, TextCase{"x/(-y)", "x/((-y))"},
                                           TextCase{"(-x)*y", "((-x))*y"}, TextCase{"x*(-2)", "x*(-2)"},
                                           TextCase{"-x^2", "(-(x^2))"}, TextCase{"-sin(x)", "(-sin(x))"},
                                           TextCase{"(x^2)^3", "(x^2)^3"}, TextCase{"(-x)^2", "((-x))^2"},
                                           TextCase{"x^(-2)", "x^(-2)"}));

constexpr const char* kZeroDivide = "Floating point division by zero";
constexpr const char* kInvalid = "Invalid floating point operation";
constexpr const char* kOverflow = "Floating point overflow";

INSTANTIATE_TEST_SUITE_P(
    Failures, Simplified,
    ::testing::Values(TextCase{"x/0", "Dividion by zero."}, TextCase{"sin(x)/(1-1)", "Dividion by zero."},
                      TextCase{"1/0", kZeroDivide}, TextCase{"0/0", kInvalid}, TextCase{"ln(0)", kZeroDivide},
                      TextCase{"sqrt(-1)", kInvalid}, TextCase{"0.1^(-5000)", kOverflow},
                      TextCase{"0^(-1)", kInvalid}, TextCase{"(-4)^0.5", kInvalid},
                      TextCase{"arcctg(0)", kInvalid}, TextCase{"1/0.00000000001", kInvalid},
                      TextCase{"tg(1.5707963267949)", kInvalid}, TextCase{"1e99999+x", kOverflow}));

} // namespace
} // namespace orvex::test
