// The component as the add-derivative command uses it: Formula in, simplified derivative out.
#include "DiffExpress.h"
#include "ArithmeticError.h"
#include "DiffError.h"
#include "DiffTestSupport.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

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

std::string Failure(const std::string& formula) {
    return FailureOf([&] { (void)Derivative(formula); });
}

class Differentiates : public ::testing::TestWithParam<TextCase> {};

TEST_P(Differentiates, ToSimplifiedText) {
    EXPECT_EQ(Derivative(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Differentiates,
    ::testing::Values(TextCase{"x^2", "2*x"}, TextCase{"sin(x)*x^2", "cos(x)*x^2+2*x*sin(x)"},
                      TextCase{"3*x^2-5*x+1", "2*x*3-5"}, TextCase{"ln(x)", "1/x"},
                      TextCase{"1/x", "(-1)/x^2"}, TextCase{"cos(x)", "(-sin(x))"},
                      TextCase{"x^(-1)", "(-1)*x^(-2)"}, TextCase{"(x+1)^2", "2*(x+1)"},
                      TextCase{"sqrt(x^2+1)", "0.5/sqrt(x^2+1)*2*x"}, TextCase{"exp(2*x)", "exp(2*x)*2"},
                      TextCase{"abs(x)", "sgn(x)"}, TextCase{"a*x", "a"}, TextCase{"2-x", "(-1)"},
                      TextCase{"5", "0"}, TextCase{"t^2", "0"}, TextCase{"X^2", "0"},
                      TextCase{"x/(x+1)", "(x+1-x)/(x+1)^2"}, TextCase{"tg(2*x)", "1/(cos(2*x))^2*2"},
                      TextCase{"1/x^2", "((-(2*x)))/(x^2)^2"}, TextCase{"pi*x", "pi"},
                      TextCase{"  x * x  ", "x+x"}, TextCase{"x*1e-5/3", "3.33333333333333E-6"}));

class FailsWith : public ::testing::TestWithParam<TextCase> {};

TEST_P(FailsWith, Message) {
    EXPECT_EQ(Failure(GetParam().in), GetParam().out) << GetParam().in;
}

INSTANTIATE_TEST_SUITE_P(
    UserErrors, FailsWith,
    ::testing::Values(TextCase{"x/0", "Invalid floating point operation"},
                      TextCase{"lg(x)", "Error in formula."}, TextCase{"x^x", "Error in formula."},
                      TextCase{"", "Error in formula."}, TextCase{"2x", "Error in formula."},
                      TextCase{"|x|", "Error in formula."}, TextCase{"x:2", "Error in formula."},
                      TextCase{"1,5*x", "Error in formula."}, TextCase{"sin(x", "Error in formula."},
                      TextCase{"x)", "Error in formula."}, TextCase{"3.*x", "Error in formula."},
                      TextCase{"sec(x)", "Error in formula."}, TextCase{"x^(1/2)", "Error in formula."},
                      TextCase{"2*-x", "Error in formula."},
                      TextCase{"ln(0*x)", "Floating point division by zero"},
                      TextCase{"x*exp(20000)", "Floating point overflow"}));

TEST(DiffExpress, NewComponentHasFormula0AndVarNameT) {
    const auto diff = std::make_unique<TDiffExpress>();
    EXPECT_EQ(diff->Formula(), "0");
    EXPECT_EQ(diff->VarName(), "t");
    std::string result = "unchanged";
    diff->Differentiate(diff->VarName(), result);
    EXPECT_EQ(result, "0");
}

TEST(DiffExpress, FailureLeavesResultAndDoesNotDisturbTheNextCall) {
    const auto diff = std::make_unique<TDiffExpress>();
    diff->SetFormula("t^2");
    std::string result;
    diff->Differentiate("t", result);
    EXPECT_EQ(result, "2*t");

    diff->SetFormula(Nested("(", 3000));
    result = "kept";
    EXPECT_THROW(diff->Differentiate("y", result), DiffError);
    EXPECT_EQ(result, "kept");
    EXPECT_EQ(diff->VarName(), "y");
    diff->SetFormula("x/0");
    EXPECT_THROW(diff->Differentiate("x", result), ArithmeticError);
    EXPECT_EQ(result, "kept");

    diff->SetFormula("sin(x)*x^2");
    diff->Differentiate("x", result);
    EXPECT_EQ(result, "cos(x)*x^2+2*x*sin(x)");
    EXPECT_EQ(diff->Formula(), "sin(x)*x^2");
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
    EXPECT_EQ(Failure(BalancedSum(1251)), "Error in formula.");
}

// Deep nesting and long chains fail cleanly instead of exhausting the stack.
TEST(DiffExpress, DeepNestingIsAFormulaError) {
    for (const std::string open : {"(", "sin(", "-(", "x*(", "sqrt(x+"}) {
        EXPECT_EQ(Failure(Nested(open, 30000)), "Error in formula.") << open;
        EXPECT_EQ(Failure(Repeat(open, 30000) + "x"), "Error in formula.") << open;
    }
    EXPECT_EQ(Failure("x" + Repeat("^2", 2000)), "Error in formula.");
    EXPECT_EQ(Derivative(Nested("(", 900)), "1");
}

// Products and quotients repeat their operands in the derivative text, so its size grows with the
// product of the formula's size and depth; it is cut off as soon as it cannot fit.
TEST(DiffExpress, LargeDerivativesFailFast) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Failure(Nested("x/(", 47)), ""); // the deepest that fits
    for (const int depth : {48, 200, 3000})
        EXPECT_EQ(Failure(Nested("x/(", depth)), "Error in formula.") << depth;
    EXPECT_EQ(Failure(Nested("sin(", 800)), "Error in formula.");
    // A long name repeated by the rules cannot blow the text up either.
    const std::string name(1000000, 'a');
    EXPECT_EQ(Failure(name + "*x/(" + name + "*x/(" + name + "*x/(" + name + ")))"), "Error in formula.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

} // namespace
} // namespace orvex::test
