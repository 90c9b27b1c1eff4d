// The derivative texts before simplification, and the node count the rules predict for them.
#include "DiffTestSupport.h"

namespace orvex::test {
namespace {

class DerivativeText : public ::testing::TestWithParam<TextCase> {};

TEST_P(DerivativeText, FollowsTheTemplate) {
    TTreeBench bench;
    const int root = bench.Parse(GetParam().in);
    ASSERT_NE(root, 0) << GetParam().in;
    EXPECT_EQ(TDerivativeRules(*bench.Nodes, "x", TNodeTable::MaxNodes).DiffText(root), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, DerivativeText,
    ::testing::Values(TextCase{"x^2", "((2)*(x)^(1)*(1))"}, TextCase{"ln(x)", "(1/(x)*(1))"},
                      TextCase{"x^0.5", "((0.5)*(x)^(-0.5)*(1))"}, TextCase{"-x^3", "(-(((3)*(x)^(2)*(1))))"},
                      TextCase{"sin(x)*x^2", "(((cos(x)*(1)))*(((x)^(2)))+(((2)*(x)^(1)*(1)))*(sin(x)))"},
                      TextCase{"x/(x+1)", "((1)*(((x)+(1)))-(((1)+(0)))*(x))/(((x)+(1)))^2"},
                      TextCase{"tg(2*x)", "(1/(cos(((2)*(x)))^2)*(((0)*(x)+(1)*(2))))"},
                      TextCase{"abs(x)", "(sgn(x)*(1))"}, TextCase{"sin(2)", "(cos(2)*(0))"},
                      TextCase{"sign(x^2)+heaviside(x)", "((0)+(0))"}, TextCase{"X-t", "((0)-(0))"},
                      TextCase{"x^0", "((0)*(x)^(-1)*(1))"}, TextCase{"x^2.5e1", "((2.5e1)*(x)^(24)*(1))"},
                      TextCase{"x^1e-5", "((1e-5)*(x)^(-0.99999)*(1))"},
                      // One row per function rule.
                      TextCase{"cos(x)", "(-sin(x)*(1))"}, TextCase{"ctg(x)", "(-1/(sin(x)^2)*(1))"},
                      TextCase{"sqrt(x)", "(0.5/sqrt(x)*(1))"}, TextCase{"exp(x)", "(exp(x)*(1))"},
                      TextCase{"arcsin(x)", "(1/sqrt(1-(x)^2)*(1))"},
                      TextCase{"arccos(x)", "(-1/sqrt(1-(x)^2)*(1))"},
                      TextCase{"arctg(x)", "(1/(1+(x)^2)*(1))"}, TextCase{"arcctg(x)", "(-1/(1+(x)^2)*(1))"},
                      TextCase{"sh(x)", "(ch(x)*(1))"}, TextCase{"ch(x)", "(sh(x)*(1))"},
                      TextCase{"th(x)", "(1/(ch(x)^2)*(1))"}, TextCase{"cth(x)", "(-1/(sh(x)^2)*(1))"},
                      TextCase{"ln(-x)", "(1/((-(x)))*((-(1))))"}));

// The rules predict the node count of every text exactly, so the early stop refuses only texts that
// would overflow the table when parsed.
class NodePrediction : public ::testing::TestWithParam<const char*> {};

TEST_P(NodePrediction, MatchesTheParsedText) {
    TTreeBench bench;
    const int root = bench.Parse(GetParam());
    ASSERT_NE(root, 0) << GetParam();
    TDerivativeRules rules(*bench.Nodes, "x", TNodeTable::MaxNodes);
    const std::string derivative = rules.DiffText(root);
    TTreeBench check;
    ASSERT_NE(check.Parse(derivative), 0) << derivative;
    EXPECT_EQ(check.Nodes->NodeCount(), rules.TextNodes()) << derivative;
}

// Between them the formulas hold every node kind.
INSTANTIATE_TEST_SUITE_P(
    EveryKind, NodePrediction,
    ::testing::Values("x+y-2*x/z-(-2*x)^(-2)^3", "x/(x/(x/(x*sin(x^2))))",
                      "cos(x)*sin(x)-tg(x)/ctg(x)+abs(x)+sgn(x)+sign(x)+sqrt(x)*ln(-x)*exp(x)",
                      "arcsin(x)-arccos(x)*arctg(x)/arcctg(x)+sh(x)*ch(x)+th(x)/cth(x)-h(x)"
                      "+heaviside(x)"));

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
