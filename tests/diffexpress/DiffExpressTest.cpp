// The component as the add-derivative command uses it: Formula in, simplified derivative out.
#include "DiffExpress.h"
#include "ArithmeticError.h"
#include "DiffError.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <ostream>
#include <string>

namespace orvex {
namespace {

// The component holds 5000 nodes; keep it off the stack.
std::unique_ptr<TDiffExpress> Component(const std::string& formula) {
    auto diff = std::make_unique<TDiffExpress>();
    diff->SetFormula(formula);
    return diff;
}

std::string Derivative(const std::string& formula, const std::string& var = "x") {
    std::string result;
    Component(formula)->Differentiate(var, result);
    return result;
}

// The message of the error that differentiating `formula` raises, or "" when it succeeds.
std::string Failure(const std::string& formula) {
    try {
        (void)Derivative(formula);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

struct DiffCase {
    const char* formula;
    const char* result;
};

void PrintTo(const DiffCase& c, std::ostream* os) {
    *os << '"' << c.formula << '"';
}

class Differentiates : public ::testing::TestWithParam<DiffCase> {};

TEST_P(Differentiates, ToSimplifiedText) {
    EXPECT_EQ(Derivative(GetParam().formula), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Differentiates,
    ::testing::Values(DiffCase{"x^2", "2*x"}, DiffCase{"sin(x)*x^2", "cos(x)*x^2+2*x*sin(x)"},
                      DiffCase{"3*x^2-5*x+1", "2*x*3-5"}, DiffCase{"ln(x)", "1/x"},
                      DiffCase{"1/x", "(-1)/x^2"}, DiffCase{"cos(x)", "(-sin(x))"},
                      DiffCase{"x^(-1)", "(-1)*x^(-2)"}, DiffCase{"(x+1)^2", "2*(x+1)"},
                      DiffCase{"sqrt(x^2+1)", "0.5/sqrt(x^2+1)*2*x"}, DiffCase{"exp(2*x)", "exp(2*x)*2"},
                      DiffCase{"abs(x)", "sgn(x)"}, DiffCase{"a*x", "a"}, DiffCase{"2-x", "(-1)"},
                      DiffCase{"5", "0"}, DiffCase{"t^2", "0"}, DiffCase{"x/(x+1)", "(x+1-x)/(x+1)^2"},
                      DiffCase{"tg(2*x)", "1/(cos(2*x))^2*2"}, DiffCase{"1/x^2", "((-(2*x)))/(x^2)^2"}));

INSTANTIATE_TEST_SUITE_P(
    MoreFormulas, Differentiates,
    ::testing::Values(DiffCase{"X^2", "0"}, DiffCase{"pi*x", "pi"}, DiffCase{"sin(2)", "0"},
                      DiffCase{"x", "1"}, DiffCase{"-x", "(-1)"}, DiffCase{"-x^3", "(-(3*x^2))"},
                      DiffCase{"x^0.5", "0.5*x^(-0.5)"}, DiffCase{"sign(x^2)+h(x)", "0"},
                      DiffCase{"  x * x  ", "x+x"}, DiffCase{"x^2.5e1", "2.5e1*x^24"},
                      DiffCase{"ln(sin(x))", "1/sin(x)*cos(x)"}, DiffCase{"arctg(x)", "1/(1+x^2)"},
                      DiffCase{"th(x)", "1/(ch(x))^2"}, DiffCase{"sin(x)^2", "2*sin(x)*cos(x)"},
                      DiffCase{"1e-5*x", "1E-5"}, DiffCase{"x*1e-5/3", "3.33333333333333E-6"}));

class FailsWith : public ::testing::TestWithParam<DiffCase> {};

TEST_P(FailsWith, Message) {
    EXPECT_EQ(Failure(GetParam().formula), GetParam().result) << GetParam().formula;
}

INSTANTIATE_TEST_SUITE_P(
    UserErrors, FailsWith,
    ::testing::Values(DiffCase{"x/0", "Invalid floating point operation"},
                      DiffCase{"lg(x)", "Error in formula."}, DiffCase{"x^x", "Error in formula."},
                      DiffCase{"", "Error in formula."}, DiffCase{"2x", "Error in formula."},
                      DiffCase{"|x|", "Error in formula."}, DiffCase{"x:2", "Error in formula."},
                      DiffCase{"1,5*x", "Error in formula."}, DiffCase{"sin(x", "Error in formula."},
                      DiffCase{"x)", "Error in formula."}, DiffCase{"3.*x", "Error in formula."},
                      DiffCase{"sec(x)", "Error in formula."}, DiffCase{"x^(1/2)", "Error in formula."},
                      DiffCase{"2*-x", "Error in formula."},
                      DiffCase{"x/(1-1)", "Invalid floating point operation"},
                      DiffCase{"sin(x)/0", "Invalid floating point operation"},
                      DiffCase{"ln(0*x)", "Floating point division by zero"},
                      DiffCase{"x*exp(20000)", "Floating point overflow"},
                      DiffCase{"x^1e99999", "Floating point overflow"}));

TEST(DiffExpress, NewComponentHasFormula0AndVarNameT) {
    const auto diff = std::make_unique<TDiffExpress>();
    EXPECT_EQ(diff->Formula(), "0");
    EXPECT_EQ(diff->VarName(), "t");
    std::string result = "unchanged";
    diff->Differentiate(diff->VarName(), result);
    EXPECT_EQ(result, "0");
}

TEST(DiffExpress, VariableNameIsCaseSensitiveAndSetByEveryCall) {
    const auto diff = Component("t^2+X");
    std::string result;
    diff->Differentiate("t", result);
    EXPECT_EQ(result, "2*t");
    diff->Differentiate("X", result);
    EXPECT_EQ(result, "1");
    EXPECT_EQ(diff->VarName(), "X");
    EXPECT_EQ(diff->Formula(), "t^2+X");
}

TEST(DiffExpress, FailureLeavesResultAndFormulaAndDoesNotDisturbTheNextCall) {
    const auto diff = Component("sin(x)*x^2");
    std::string first;
    diff->Differentiate("x", first);

    diff->SetFormula("(" + std::string(3000, '(') + "x");
    std::string result = "kept";
    EXPECT_THROW(diff->Differentiate("y", result), DiffError);
    EXPECT_EQ(result, "kept");
    EXPECT_EQ(diff->VarName(), "y");

    diff->SetFormula("x/0");
    EXPECT_THROW(diff->Differentiate("x", result), ArithmeticError);
    diff->SetFormula("lg(x)");
    EXPECT_THROW(diff->Differentiate("x", result), DiffError);
    EXPECT_EQ(result, "kept");

    diff->SetFormula("sin(x)*x^2");
    diff->Differentiate("x", result);
    EXPECT_EQ(result, first);
    diff->Differentiate("x", result);
    EXPECT_EQ(result, first);
}

TEST(DiffExpress, NumbersUseAPointWhateverTheDecimalSeparator) {
    SetDecimalSeparator(',');
    std::string result;
    EXPECT_NO_THROW(result = Derivative("x^2.5+x/3"));
    SetDecimalSeparator('\0');
    EXPECT_EQ(result, "2.5*x^1.5+0.333333333333333");
}

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// A sum of n names, bracketed as a balanced tree so that it stays shallow.
std::string BalancedSum(int n) {
    if (n == 1)
        return "x";
    return "(" + BalancedSum(n / 2) + ")+(" + BalancedSum(n - n / 2) + ")";
}

// Formula and derivative share the 5000 nodes: a sum of n names and its derivative take 2n-1 nodes each.
TEST(DiffExpress, FormulaAndDerivativeShareTheNodeTable) {
    EXPECT_EQ(Derivative(BalancedSum(1250)), "1250"); // 2499 + 2499 nodes
    EXPECT_EQ(Failure(BalancedSum(1251)), "Error in formula.");
    EXPECT_EQ(Failure(BalancedSum(2501)), "Error in formula."); // the formula alone is too long
    EXPECT_EQ(Derivative("x" + Repeat("+x", 499)), "500");
}

// Deep nesting fails cleanly instead of exhausting the stack.
TEST(DiffExpress, DeepNestingIsAFormulaError) {
    for (const std::string open : {"(", "sin(", "-(", "x*(", "sqrt(x+"}) {
        EXPECT_EQ(Failure(Repeat(open, 30000) + "x" + std::string(30000, ')')), "Error in formula.") << open;
        EXPECT_EQ(Failure(Repeat(open, 30000) + "x"), "Error in formula.") << open;
    }
    EXPECT_EQ(Failure(std::string(100000, '(')), "Error in formula.");
    EXPECT_EQ(Failure("x" + Repeat("^2", 2000)), "Error in formula.");
    EXPECT_EQ(Failure("x" + Repeat("*x", 2400)), "Error in formula.");
    EXPECT_EQ(Derivative(Repeat("(", 900) + "x" + std::string(900, ')')), "1");
}

// Products and quotients repeat their operands in the derivative text, so its size grows with the
// product of the formula's size and depth; it is cut off as soon as it cannot fit.
TEST(DiffExpress, LargeDerivativesFailFast) {
    const auto start = std::chrono::steady_clock::now();
    std::string quotients = "x";
    for (int depth = 1; depth <= 200; ++depth) {
        quotients = "x/(" + quotients + ")";
        // Up to 47 nested quotients the derivative fits in the table.
        EXPECT_EQ(Failure(quotients), depth <= 47 ? "" : "Error in formula.") << depth;
    }
    EXPECT_EQ(Failure(Repeat("x/(", 3000) + "x" + std::string(3000, ')')), "Error in formula.");
    EXPECT_EQ(Failure(Repeat("sin(", 800) + "x" + std::string(800, ')')), "Error in formula.");
    EXPECT_EQ(Failure(Repeat("x*(", 800) + "x" + std::string(800, ')')), "Error in formula.");
    // A long name repeated by the rules cannot blow the text up either.
    const std::string name(1000000, 'a');
    EXPECT_EQ(Failure(name + "*x/(" + name + "*x/(" + name + "*x/(" + name + ")))"), "Error in formula.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

} // namespace
} // namespace orvex
