// The integral and the function value: the calculators that go through the plot evaluator.
#include "ArithmeticError.h"
#include "Calculators.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace orvex {
namespace {

struct IntegralRow {
    const char* formula;
    const char* x1;
    const char* x2;
    int steps;
    char separator;
    const char* label;
};

void PrintTo(const IntegralRow& r, std::ostream* os) {
    *os << r.formula << " from " << r.x1 << " to " << r.x2 << " in " << r.steps << " steps, '" << r.separator
        << "'";
}

class IntegralTest : public ::testing::TestWithParam<IntegralRow> {
  protected:
    void TearDown() override { SetDecimalSeparator('\0'); }
};

TEST_P(IntegralTest, WritesTheLabel) {
    const IntegralRow& row = GetParam();
    SetDecimalSeparator(row.separator);
    EXPECT_EQ(CalculateIntegral(row.formula, row.x1, row.x2, row.steps), row.label);
}

// Past the 50th character the formula is cut: the "+1000" never counts.
const std::string kLongFormula = "2" + std::string(49, ' ') + "+1000";

INSTANTIATE_TEST_SUITE_P(
    Calculators, IntegralTest,
    ::testing::Values(IntegralRow{"2", "0", "3", 10, '.', "Интеграл=6"},
                      IntegralRow{"x", "0", "1", 10, '.', "Интеграл=0.45"},
                      IntegralRow{"x", "0", "1", 100, '.', "Интеграл=0.495"},
                      IntegralRow{"x", "-1", "1", 100, '.', "Интеграл=1"},
                      IntegralRow{"x", "1", "0", 10, '.', "Интеграл=-0.55"},
                      IntegralRow{"x^2", "0", "3", 100, '.', "Интеграл=8.86545"},
                      IntegralRow{"sqrt(x)", "-1", "1", 10, '.', "Интеграл=Невозможно вычислить"},
                      // Equal limits: n samples at a, each weighted by h = 0.
                      IntegralRow{"x", "2", "2", 10, '.', "Интеграл=0"},
                      IntegralRow{"ln(x)", "0", "0", 10, '.', "Интеграл=Невозможно вычислить"},
                      // Negative on the whole interval: the absolute value is summed.
                      IntegralRow{"-1", "0", "1", 10, '.', "Интеграл=1"},
                      IntegralRow{kLongFormula.c_str(), "0", "3", 10, '.', "Интеграл=6"},
                      // An empty field computes nothing.
                      IntegralRow{"", "0", "1", 10, '.', "Интеграл="},
                      IntegralRow{"x", "0", "", 10, '.', "Интеграл="},
                      // The comma separator reads the limits and writes the result.
                      IntegralRow{"x", "0", "1", 10, ',', "Интеграл=0,45"},
                      IntegralRow{"x", "0,5", "1,5", 10, ',', "Интеграл=0,95"}));

struct ValueRow {
    const char* formula;
    const char* x;
    char separator;
    const char* label;
};

void PrintTo(const ValueRow& r, std::ostream* os) {
    *os << r.formula << " at " << r.x << ", '" << r.separator << "'";
}

class ValueTest : public ::testing::TestWithParam<ValueRow> {
  protected:
    void TearDown() override { SetDecimalSeparator('\0'); }
};

TEST_P(ValueTest, WritesTheLabel) {
    const ValueRow& row = GetParam();
    SetDecimalSeparator(row.separator);
    EXPECT_EQ(CalculateValue(row.formula, row.x), row.label);
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, ValueTest,
    ::testing::Values(ValueRow{"x^2", "3", '.', "y = 9"}, ValueRow{"2*x+1", "0.5", '.', "y = 2"},
                      ValueRow{"sin(x)", "0", '.', "y = 0"}, ValueRow{"sqrt(x)", "-4", '.', "y ="},
                      ValueRow{"ln(x)", "0", '.', "y ="}, ValueRow{"", "1", '.', "y ="},
                      ValueRow{"x", "", '.', "y ="}, ValueRow{"x/4", "1", ',', "y = 0,25"},
                      ValueRow{"2*x+1", "0,5", ',', "y = 2"}));

TEST(CalculatorErrors, WrongSeparatorIsAConversionError) {
    SetDecimalSeparator(',');
    try {
        (void)CalculateIntegral("x", "0.5", "1", 10);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'0.5' is not a valid floating point value");
    }
    EXPECT_THROW((void)CalculateValue("x", "abc"), ConversionError);
    SetDecimalSeparator('\0');
}

TEST(CalculatorErrors, EvaluatorOverflowReachesTheCaller) {
    SetDecimalSeparator('.');
    try {
        (void)CalculateValue("sh(x)", "20000");
        FAIL() << "no error";
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
    EXPECT_THROW((void)CalculateIntegral("sh(x)", "20000", "20001", 10), ArithmeticError);
    SetDecimalSeparator('\0');
}

TEST(CalculatorErrors, LimitsBeyondDoubleRangeOverflow) {
    SetDecimalSeparator('.');
    // Extended precision reads 1E400, but a sample is held as a double.
    EXPECT_THROW((void)CalculateIntegral("x", "1E400", "1E401", 10), ArithmeticError);
    SetDecimalSeparator('\0');
}

} // namespace
} // namespace orvex
