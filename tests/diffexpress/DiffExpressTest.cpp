// The component as the add-derivative command uses it: Formula in, simplified derivative out.
#include "DiffExpress.h"
#include "ArithmeticError.h"
#include "DiffTestSupport.h"
#include "NumberText.h"
#include "StackRunner.h"

#include <chrono>

namespace orvex::test {
namespace {

// The component holds 5000 nodes; keep it off the stack.
std::string Derivative(const std::string& formula) {
    auto diff = std::make_unique<TDiffExpress>();
    diff->SetFormula(formula);
    std::string result;
    diff->Differentiate("x", result);
    return result;
}

// The simplified derivative, or the message of the error.
std::string Outcome(const std::string& formula) {
    return TextOrFailure([&] { return Derivative(formula); });
}

class Differentiates : public ::testing::TestWithParam<TextCase> {};

TEST_P(Differentiates, ToSimplifiedTextOrMessage) {
    EXPECT_EQ(Outcome(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Differentiates,
    ::testing::Values(TextCase{"x^2", "2*x"}, TextCase{"sin(x)*x^2", "cos(x)*x^2+2*x*sin(x)"},
                      TextCase{"3*x^2-5*x+1", "2*x*3-5"}, TextCase{"1/x", "(-1)/x^2"},
                      TextCase{"x^(-1)", "(-1)*x^(-2)"}, TextCase{"(x+1)^2", "2*(x+1)"},
                      TextCase{"sqrt(x^2+1)", "0.5/sqrt(x^2+1)*2*x"}, TextCase{"exp(2*x)", "exp(2*x)*2"},
                      TextCase{"a*x", "a"}, TextCase{"t^2", "0"}, TextCase{"x/(x+1)", "(x+1-x)/(x+1)^2"},
                      TextCase{"tg(2*x)", "1/(cos(2*x))^2*2"}, TextCase{"1/x^2", "((-(2*x)))/(x^2)^2"}));

INSTANTIATE_TEST_SUITE_P(UserErrors, Differentiates,
                         ::testing::Values(TextCase{"x/0", "Invalid floating point operation"},
                                           TextCase{"lg(x)", "Error in formula."},
                                           TextCase{"ln(0*x)", "Floating point division by zero"},
                                           TextCase{"x*exp(20000)", "Floating point overflow"}));

// A new component differentiates Formula "0" by VarName "t"; a failure leaves the result as it was and
// does not disturb the next call.
TEST(DiffExpress, FailureLeavesResultAndDoesNotDisturbTheNextCall) {
    const auto diff = std::make_unique<TDiffExpress>();
    std::string result = "kept";
    diff->Differentiate(diff->VarName(), result);
    EXPECT_EQ(result, "0");
    diff->SetFormula(Nested("(", 50000)); // fails on the thread that deep formulas run on
    result = "kept";
    EXPECT_THROW(diff->Differentiate("y", result), DiffError);
    EXPECT_EQ(diff->VarName(), "y");
    diff->SetFormula("x/0");
    EXPECT_THROW(diff->Differentiate("x", result), ArithmeticError);
    EXPECT_EQ(result, "kept");
    diff->SetFormula("sin(x)*x^2");
    diff->Differentiate("x", result);
    EXPECT_EQ(result, "cos(x)*x^2+2*x*sin(x)");
}

TEST(DiffExpress, NumbersUseAPointWhateverTheDecimalSeparator) {
    SetDecimalSeparator(',');
    std::string result;
    EXPECT_NO_THROW(result = Derivative("x^2.5+x/3"));
    SetDecimalSeparator('\0');
    EXPECT_EQ(result, "2.5*x^1.5+0.333333333333333");
}

// Nesting beyond the parser's bound, even of redundant brackets that take no node, fails cleanly
// instead of exhausting the stack; so do unbracketed chains too long for the table.
TEST(DiffExpress, DeepNestingIsAFormulaError) {
    for (const std::string open : {"(", "sin(", "-(", "x*(", "sqrt(x+"})
        EXPECT_EQ(Outcome(Nested(open, 50000)), "Error in formula.") << open;
    EXPECT_EQ(Outcome(Repeat("(", 100000) + "x"), "Error in formula."); // unclosed
    EXPECT_EQ(Outcome("x" + Repeat("^2", 2000)), "Error in formula.");
    EXPECT_EQ(Derivative(Nested("(", TFormulaParser::MaxNesting)), "1");
}

// A family of formulas that grow with n, the largest n whose formula and derivative fit the node
// table together, and the derivative at that n. Depth is no limit of its own: n + 1 fails only for
// want of nodes.
struct TLimitCase {
    const char* Name;
    std::string (*Formula)(int n);
    int Largest;
    std::string (*Result)(int n);
};

void PrintTo(const TLimitCase& c, std::ostream* os) {
    *os << c.Name;
}

// x+x+...+x, n terms: 2n-1 nodes, and as many for the derivative ((((1)+(1)))+(1))...
std::string SumOfX(int n) {
    return "x" + Repeat("+x", n - 1);
}
std::string SumOfOnes(int n) {
    return std::to_string(n);
}
// -(-(...-(a*x)...)), n minus signs: n+3 nodes and n+7 for the derivative, which stays a tree n
// deep for the simplifier and the printer.
std::string MinusChainOverProduct(int n) {
    return Nested("-(", n, "a*x");
}
std::string MinusChainOverA(int n) {
    std::string text = "(-a)";
    for (int i = 1; i < n; ++i)
        text = "(-(" + text + "))";
    return text;
}
// sgn(sgn(...sgn(x)...)): the derivative is the single node 0, so the formula may take the rest.
std::string SignChain(int n) {
    return Nested("sgn(", n);
}
std::string Zero(int) {
    return "0";
}
// sin(sin(...sin(x)...)): the chain rule repeats every inner chain, so the derivative grows as n^2/2.
std::string SineChain(int n) {
    return Nested("sin(", n);
}
std::string ProductOfCosines(int n) {
    std::string text;
    for (int k = n - 1; k >= 0; --k)
        text += "cos(" + Nested("sin(", k) + ")" + (k > 0 ? "*" : "");
    return text;
}

class NodeTableLimit : public ::testing::TestWithParam<TLimitCase> {};

TEST_P(NodeTableLimit, LargestFitsAndOneMoreFails) {
    const TLimitCase& c = GetParam();
    EXPECT_EQ(Outcome(c.Formula(c.Largest)), c.Result(c.Largest));
    EXPECT_EQ(Outcome(c.Formula(c.Largest + 1)), "Error in formula.");
}

INSTANTIATE_TEST_SUITE_P(
    Families, NodeTableLimit,
    ::testing::Values(TLimitCase{"sum", SumOfX, 1250, SumOfOnes},
                      TLimitCase{"minus_over_product", MinusChainOverProduct, 2495, MinusChainOverA},
                      TLimitCase{"sgn", SignChain, 4998, Zero},
                      TLimitCase{"sin", SineChain, 96, ProductOfCosines}),
    [](const ::testing::TestParamInfo<TLimitCase>& info) { return std::string(info.param.Name); });

// Deep formulas run on a stack of their own, so a caller with a small stack is safe; the longest
// formulas that stay on the caller's stack are harmless there too.
TEST(DiffExpress, SmallCallerStackIsEnough) {
    RunWithStack(256 * 1024, [] {
        EXPECT_EQ(Outcome(SumOfX(502)), "502");
        EXPECT_EQ(Outcome(MinusChainOverProduct(2495)), MinusChainOverA(2495));
        EXPECT_EQ(Outcome(Nested("(", 50000)), "Error in formula.");
        const std::string inlineDeep = Nested("-(", 21); // 64 characters
        EXPECT_EQ(Outcome(inlineDeep), "(-1)");
        EXPECT_EQ(Outcome(Repeat("(", 64)), "Error in formula.");
    });
}

// Products and quotients repeat their operands in the derivative text, so its size grows with the
// product of the formula's size and depth; it is cut off as soon as it cannot fit.
TEST(DiffExpress, LargeDerivativesFailFast) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NO_THROW((void)Derivative(Nested("x/(", 47))); // the deepest that fits
    for (const int depth : {48, 200, 3000})
        EXPECT_EQ(Outcome(Nested("x/(", depth)), "Error in formula.") << depth;
    EXPECT_EQ(Outcome(Nested("sin(", 800)), "Error in formula.");
    // A long name repeated by the rules cannot blow the text up either.
    const std::string name(1000000, 'a');
    EXPECT_EQ(Outcome(name + "*x/(" + name + "*x/(" + name + "*x/(" + name + ")))"), "Error in formula.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

} // namespace
} // namespace orvex::test
