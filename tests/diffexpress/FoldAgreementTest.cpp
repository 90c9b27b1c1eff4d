// Constant folds take the value that the plot evaluator gives the same text, so that a derivative
// agrees with the graph it was taken from; where the evaluator has no value, the fold fails.
#include "ArithmeticError.h"
#include "DiffTestSupport.h"
#include "Evaluator.h"
#include "NumberText.h"

namespace orvex::test {
namespace {

constexpr const char* kNoValue = "Invalid floating point operation";

// The plot evaluator's outcome for a constant formula: its value as 15-digit text with ".", the
// component's message for "no value", or the message of the arithmetic error it raises.
std::string EvaluatorOutcome(std::string text) {
    struct TPointSeparator {
        TPointSeparator() { SetDecimalSeparator('.'); }
        ~TPointSeparator() { SetDecimalSeparator('\0'); }
    } point;
    PrepareFormula(text, "x");
    return TextOrFailure([&] {
        long double value = 0;
        return EvaluateExpression(text, value) ? NumberText(value, 15, '.') : std::string(kNoValue);
    });
}

// The component's outcome for the same text: the text of the number node it folds to, or the message
// of the error that folding raises.
std::string FoldOutcome(const std::string& text) {
    TTreeBench bench;
    return TextOrFailure([&] {
        const TTree& folded = (*bench.Nodes)[TSimplifier(*bench.Nodes).Simplify(bench.Parse(text))];
        return folded.Kind == tkNumber ? folded.Text : "not folded";
    });
}

class FoldAgreement : public ::testing::TestWithParam<const char*> {};

TEST_P(FoldAgreement, MatchesThePlotEvaluator) {
    EXPECT_EQ(FoldOutcome(GetParam()), EvaluatorOutcome(GetParam()));
}

// Texts that both languages read alike.
INSTANTIATE_TEST_SUITE_P(Operators, FoldAgreement,
                         ::testing::Values("0.1+0.2", "1-0.9", "2/3*3", "-(2)^2", "2*(-3)", "(1+2)*(3-5)/7",
                                           "1/0.0000000001", "1/0.00000000001", "0/0.00000000001"));

INSTANTIATE_TEST_SUITE_P(Powers, FoldAgreement,
                         ::testing::Values("0^0", "0^2", "0^(-1)", "(-4)^0.5", "(-2)^3", "(-2)^(-2)", "2^0.5",
                                           "(-2)^2.00000000001", "0.00000000001^(-1)", "0.1^(-4)", "1.5^2^3",
                                           "10^5000"));

INSTANTIATE_TEST_SUITE_P(Functions, FoldAgreement,
                         ::testing::Values("arcctg(-2)", "arcctg(0.5)", "arcctg(0)", "arcctg(sin(2)-1)",
                                           "tg(1.5707963267949)", "tg(1)", "ctg(1)", "ctg(3.14159265358979)",
                                           "ln(0.00000000001)", "ln(2)", "sqrt(2)", "sqrt(-1)", "arcsin(1.5)",
                                           "arcsin(0.5)", "arccos(-1)", "arctg(-3)", "abs(-2.5)", "sh(1)",
                                           "ch(1)", "sh(0.00000000000000001)", "ch(0.00000000000000001)",
                                           "sin(10000000000000000000)", "cos(10000000000000000000)",
                                           "sin(2)^2", "ch(20000)"));

} // namespace
} // namespace orvex::test
