// The derivative texts before simplification, and the node count the rules predict for them.
#include "DiffError.h"
#include "DiffTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace orvex::test {
namespace {

struct RuleCase {
    const char* formula;
    const char* derivative;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << '"' << c.formula << '"';
}

class DerivativeText : public ::testing::TestWithParam<RuleCase> {};

TEST_P(DerivativeText, FollowsTheTemplate) {
    TTreeBench bench;
    const int root = bench.Parse(GetParam().formula);
    ASSERT_NE(root, 0) << GetParam().formula;
    TDerivativeRules rules(*bench.Nodes, "x", TNodeTable::MaxNodes);
    EXPECT_EQ(rules.DiffText(root), GetParam().derivative);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, DerivativeText,
    ::testing::Values(RuleCase{"x^2", "((2)*(x)^(1)*(1))"}, RuleCase{"ln(x)", "(1/(x)*(1))"},
                      RuleCase{"x^0.5", "((0.5)*(x)^(-0.5)*(1))"}, RuleCase{"-x^3", "(-(((3)*(x)^(2)*(1))))"},
                      RuleCase{"sin(x)*x^2", "(((cos(x)*(1)))*(((x)^(2)))+(((2)*(x)^(1)*(1)))*(sin(x)))"},
                      RuleCase{"x/(x+1)", "((1)*(((x)+(1)))-(((1)+(0)))*(x))/(((x)+(1)))^2"},
                      RuleCase{"tg(2*x)", "(1/(cos(((2)*(x)))^2)*(((0)*(x)+(1)*(2))))"},
                      RuleCase{"abs(x)", "(sgn(x)*(1))"}, RuleCase{"sin(2)", "(cos(2)*(0))"},
                      RuleCase{"sign(x^2)", "0"},
                      RuleCase{"3*x^2-5*x+1",
                               "((((((0)*(((x)^(2)))+(((2)*(x)^(1)*(1)))*(3)))-(((0)*(x)+(1)*(5)))))+(0))"}));

INSTANTIATE_TEST_SUITE_P(Leaves, DerivativeText,
                         ::testing::Values(RuleCase{"x", "1"}, RuleCase{"X", "0"}, RuleCase{"t", "0"},
                                           RuleCase{"xx", "0"}, RuleCase{"2.5", "0"},
                                           RuleCase{"-x", "(-(1))"}, RuleCase{"-(-x)", "(-((-(1))))"},
                                           RuleCase{"x-y", "((1)-(0))"}));

INSTANTIATE_TEST_SUITE_P(PowerRule, DerivativeText,
                         ::testing::Values(RuleCase{"x^1", "((1)*(x)^(0)*(1))"},
                                           RuleCase{"x^0", "((0)*(x)^(-1)*(1))"},
                                           RuleCase{"x^(-2)", "((-2)*(x)^(-3)*(1))"},
                                           RuleCase{"x^1E1", "((1E1)*(x)^(9)*(1))"},
                                           RuleCase{"x^2.5e1", "((2.5e1)*(x)^(24)*(1))"},
                                           RuleCase{"x^0.1", "((0.1)*(x)^(-0.9)*(1))"},
                                           RuleCase{"x^1e-5", "((1e-5)*(x)^(-0.99999)*(1))"},
                                           RuleCase{"x^2^3", "((3)*(((x)^(2)))^(2)*(((2)*(x)^(1)*(1))))"}));

INSTANTIATE_TEST_SUITE_P(
    FunctionRules, DerivativeText,
    ::testing::Values(RuleCase{"cos(x)", "(-sin(x)*(1))"}, RuleCase{"sin(x)", "(cos(x)*(1))"},
                      RuleCase{"ctg(x)", "(-1/(sin(x)^2)*(1))"}, RuleCase{"sqrt(x)", "(0.5/sqrt(x)*(1))"},
                      RuleCase{"exp(x)", "(exp(x)*(1))"}, RuleCase{"arcsin(x)", "(1/sqrt(1-(x)^2)*(1))"},
                      RuleCase{"arccos(x)", "(-1/sqrt(1-(x)^2)*(1))"},
                      RuleCase{"arctg(x)", "(1/(1+(x)^2)*(1))"}, RuleCase{"arcctg(x)", "(-1/(1+(x)^2)*(1))"},
                      RuleCase{"sh(x)", "(ch(x)*(1))"}, RuleCase{"ch(x)", "(sh(x)*(1))"},
                      RuleCase{"th(x)", "(1/(ch(x)^2)*(1))"}, RuleCase{"cth(x)", "(-1/(sh(x)^2)*(1))"},
                      RuleCase{"sgn(x)", "0"}, RuleCase{"h(x)", "0"}, RuleCase{"heaviside(x)", "0"},
                      RuleCase{"cos(sign(x))", "(-sin(sign(x))*(0))"},
                      RuleCase{"ln(-x)", "(1/((-(x)))*((-(1))))"}));

TEST(DerivativeRules, OtherVariableNames) {
    TTreeBench bench;
    const int root = bench.Parse("t*x+T");
    TDerivativeRules rules(*bench.Nodes, "t", TNodeTable::MaxNodes);
    EXPECT_EQ(rules.DiffText(root), "((((1)*(x)+(0)*(t)))+(0))");
}

// The rules predict the node count of every text exactly, so the early stop refuses only texts that
// would overflow the table when parsed.
class NodePrediction : public ::testing::TestWithParam<const char*> {};

TEST_P(NodePrediction, MatchesTheParsedText) {
    TTreeBench bench;
    const int root = bench.Parse(GetParam());
    ASSERT_NE(root, 0) << GetParam();
    const int formulaNodes = bench.Nodes->NodeCount();
    TDerivativeRules rules(*bench.Nodes, "x", TNodeTable::MaxNodes);

    const std::string full = rules.PrintFull(root);
    EXPECT_EQ(rules.TextNodes(), formulaNodes);
    const std::string derivative = rules.DiffText(root);
    const int predicted = rules.TextNodes();

    TTreeBench check;
    ASSERT_NE(check.Parse(full), 0) << full;
    EXPECT_EQ(check.Nodes->NodeCount(), formulaNodes) << full;
    check.Nodes->ClearNodes();
    ASSERT_NE(check.Parse(derivative), 0) << derivative;
    EXPECT_EQ(check.Nodes->NodeCount(), predicted) << derivative;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, NodePrediction,
                         ::testing::Values("x+y-2", "x*y/z", "-x", "-(-2*x)", "x^(-2)^3", "cos(x)", "sin(x)",
                                           "tg(x)", "ctg(x)", "abs(x)", "sgn(x)", "sign(x)", "sqrt(x)",
                                           "ln(x)", "exp(x)", "arcsin(x)", "arccos(x)", "arctg(x)",
                                           "arcctg(x)", "sh(x)", "ch(x)", "th(x)", "cth(x)", "h(x)",
                                           "heaviside(x)", "x/(x/(x/(x*sin(x^2))))", "-(x-1)^2*ln(-x)/(2-x)",
                                           "arcsin(-x/2)+sqrt(1-x^0.5)*exp(-x)"));

TEST(DerivativeRules, StopsWhenTheTextCannotFit) {
    TTreeBench bench;
    const int root = bench.Parse("x/(x/(x/(x/(x/(x)))))");
    TDerivativeRules exact(*bench.Nodes, "x", TNodeTable::MaxNodes);
    (void)exact.DiffText(root);
    const int needed = exact.TextNodes();

    TDerivativeRules fits(*bench.Nodes, "x", needed);
    EXPECT_NO_THROW((void)fits.DiffText(root));
    TDerivativeRules tooSmall(*bench.Nodes, "x", needed - 1);
    EXPECT_THROW((void)tooSmall.DiffText(root), DiffError);
}

} // namespace
} // namespace orvex::test
