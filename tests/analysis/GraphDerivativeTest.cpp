// The derivative of a graph: which formulas the evaluator takes symbolically, which fall back on
// differences, and that both give the derivative of the graph the picture shows.
#include "GraphDerivative.h"
#include "ArithmeticError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace orvex {
namespace {

using Method = GraphDerivative::Method;

std::optional<long double> At(const EvaluatorFunction& f, double x) {
    long double y = 0;
    if (!f(x, y))
        return std::nullopt;
    return y;
}

struct DerivativeCase {
    const char* formula;
    Method first;     // how f' is computed
    const char* text; // the component's text of f' ("" when it fails)
    double x;         // a point where f' and f'' have values
    double expected1; // f'(x)
    Method second;    // how f'' is computed
    double expected2; // f''(x)
};

class GraphDerivativeTable : public ::testing::TestWithParam<DerivativeCase> {};

TEST_P(GraphDerivativeTable, ValuesAndMethods) {
    const DerivativeCase& c = GetParam();
    const GraphDerivative first = DeriveGraph(c.formula);
    EXPECT_EQ(first.method, c.first);
    EXPECT_EQ(first.text, c.text);
    EXPECT_EQ(first.error.empty(), *c.text != '\0');
    const GraphDerivative second = DeriveGraphAgain(c.formula, first);
    EXPECT_EQ(second.method, c.second);
    const auto d1 = At(first.value, c.x);
    const auto d2 = At(second.value, c.x);
    ASSERT_TRUE(d1 && d2);
    const double tolerance1 = first.method == Method::Symbolic ? 1e-13 : 1e-8;
    const double tolerance2 = second.method == Method::Symbolic ? 1e-13 : 1e-5;
    EXPECT_NEAR(static_cast<double>(*d1), c.expected1, tolerance1 * std::fmax(1.0, std::fabs(c.expected1)));
    EXPECT_NEAR(static_cast<double>(*d2), c.expected2, tolerance2 * std::fmax(1.0, std::fabs(c.expected2)));
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, GraphDerivativeTable,
    ::testing::Values(
        // The evaluator reads the component's text.
        DerivativeCase{"x^3", Method::Symbolic, "3*x^2", 2, 12, Method::Symbolic, 12},
        DerivativeCase{"sin(x)", Method::Symbolic, "cos(x)", 1, std::cos(1.0), Method::Symbolic,
                       -std::sin(1.0)},
        // Written as the evaluator reads it: capitals, a comma, a colon, bars.
        DerivativeCase{"X^2 + 1,5*x", Method::Symbolic, "2*x+1.5", 1, 3.5, Method::Symbolic, 2},
        DerivativeCase{"x:2", Method::Symbolic, "0.5", 3, 0.5, Method::Symbolic, 0},
        // sgn and exp are no names of the evaluator: the values come from differences.
        DerivativeCase{"|x|*x", Method::Numeric, "sgn(x)*x+abs(x)", 2, 4, Method::Numeric, 2},
        // Names only the evaluator knows: the component fails, differences of the graph instead.
        DerivativeCase{"lg(x)", Method::Numeric, "", 2, 1 / (2 * std::log(10.0)), Method::Numeric,
                       -1 / (4 * std::log(10.0))},
        // 2x reads as the token 2x: 20.5 at x = 0.5, so the graph rises with slope 1 there.
        DerivativeCase{"2x", Method::Numeric, "", 0.5, 1, Method::Numeric, 0}));

TEST(GraphDerivative, EvaluatorReadsWhole) {
    struct Case {
        const char* text;
        bool whole;
    };
    const Case cases[] = {
        {"cos(x)", true},
        {"2*x*sin(x)+x^2*cos(x)", true},
        {"sgn(x)", false},
        {"exp(x)", false},
        {"a*x", false},                                         // a constant of the component
        {"1E-5*x", false},                                      // the evaluator reads no exponent in formulas
        {"pi*x", true},                                         // #3,14159265358979#*#x#: 24 characters
        {"pi*pi*pi*x", false},                                  // 3 x 18 + 5 > 50
        {"1+2+3+4+5+6+7+8+9+1+2+3+4+5+6+7", false},             // 31 characters, 16 tokens: 63 prepared
        {"12345678901234567890123456789012345678901234", true}, // 44 + 2
    };
    for (const Case& c : cases)
        EXPECT_EQ(EvaluatorReadsWhole(c.text), c.whole) << c.text;
}

// A formula whose prepared text is cut at 50 characters is drawn without its tail; its derivative is the
// derivative of what is drawn, symbolic or numeric.
TEST(GraphDerivative, OfTheDrawnPartOfALongFormula) {
    for (const char* formula : {"x^3+1+2+3+4+5+6+7+8+9+1+2+3+4+x^2", "lg(x)*1+2+3+4+5+6+7+8+9+1+2+3+x^2"}) {
        const EvaluatorFunction drawn = EvaluatorOf(formula);
        const GraphDerivative d = DeriveGraph(formula);
        const GraphDerivative d2 = DeriveGraphAgain(formula, d);
        for (double x : {0.5, 1.0, 2.0}) {
            long double h = 1e-4L, l = 0, r = 0, m = 0;
            ASSERT_TRUE(drawn(x - h, l) && drawn(x + h, r) && drawn(x, m));
            const auto d1 = At(d.value, x);
            const auto second = At(d2.value, x);
            ASSERT_TRUE(d1 && second) << formula;
            EXPECT_NEAR(static_cast<double>(*d1), static_cast<double>((r - l) / (2 * h)), 1e-6) << formula;
            EXPECT_NEAR(static_cast<double>(*second), static_cast<double>((r - 2 * m + l) / (h * h)), 1e-3)
                << formula;
        }
    }
}

// No value where the graph has none next to x; the evaluator's arithmetic errors pass through.
TEST(GraphDerivative, NoValueAndErrors) {
    const GraphDerivative root = DeriveGraph("sqrt(x)");
    EXPECT_EQ(root.method, Method::Symbolic);
    EXPECT_FALSE(At(root.value, 0)); // 0.5/sqrt(x)
    const GraphDerivative numeric = DeriveGraph("lg(x)");
    EXPECT_FALSE(At(numeric.value, 0));
    EXPECT_FALSE(At(numeric.value, 1e-7)); // x - h has no logarithm
    const GraphDerivative big = DeriveGraph("sh(x)*lg(10)");
    EXPECT_THROW((void)At(big.value, 20000), ArithmeticError);
}

} // namespace
} // namespace orvex
