// The component as the add-derivative command uses it: Formula in, simplified derivative out.
#include "DiffExpress.h"
#include "ArithmeticError.h"
#include "DiffTestSupport.h"
#include "NumberText.h"

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
    diff->SetFormula(Nested("(", 3000));
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

// A sum of n names, bracketed as a balanced tree so that it stays shallow.
std::string BalancedSum(int n) {
    return n == 1 ? "x" : "(" + BalancedSum(n / 2) + ")+(" + BalancedSum(n - n / 2) + ")";
}

// Formula and derivative share the 5000 nodes: a sum of n names and its derivative take 2n-1 nodes each.
TEST(DiffExpress, FormulaAndDerivativeShareTheNodeTable) {
    EXPECT_EQ(Derivative(BalancedSum(1250)), "1250"); // 2499 + 2499 nodes
    EXPECT_EQ(Outcome(BalancedSum(1251)), "Error in formula.");
}

// Deep nesting and long chains fail cleanly instead of exhausting the stack.
TEST(DiffExpress, DeepNestingIsAFormulaError) {
    for (const std::string open : {"(", "sin(", "-(", "x*(", "sqrt(x+"})
        EXPECT_EQ(Outcome(Nested(open, 30000)), "Error in formula.") << open;
    EXPECT_EQ(Outcome(Repeat("(", 100000) + "x"), "Error in formula."); // unclosed
    EXPECT_EQ(Outcome("x" + Repeat("^2", 2000)), "Error in formula.");
    EXPECT_EQ(Derivative(Nested("(", 900)), "1");
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
