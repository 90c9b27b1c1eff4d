// What the trace reads off a graph, and the x of a pixel column.
#include "GraphTrace.h"

#include "../evaluator/EvaluatorTestSupport.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(GraphTrace, ReadsValueAndSlopeWithTwelveDigits) {
    struct Case {
        const char* formula;
        double x;
        const char* text; // with "," for the separator in force
    };
    const Case cases[] = {
        {"x^2", 1.5, "x = 1,5; y = 2,25; y' = 3"},
        {"x/3", 1, "x = 1; y = 0,333333333333; y' = 0,333333333333"},
        {"tg(x)", 0, "x = 0; y = 0; y' = 1"},
        {"ln(x)", -1, "x = -1; y = нет значения"}, // no slope where there is no value
        {"sqrt(x)", 0, "x = 0; y = 0; y' = нет значения"},
        {"sh(x)", 20000, "x = 20000; y = Floating point overflow"},
        {"arctg(sh(x))", 6000, "x = 6000; y = 1,57079632679; y' = Floating point overflow"},
    };
    for (const char separator : {',', '.'}) {
        const test::SeparatorScope scope(separator);
        for (const Case& c : cases)
            EXPECT_EQ(TraceText(GraphTrace(c.formula).at(c.x)), test::ForSeparator(c.text, separator));
    }
}

TEST(GraphTrace, ColumnXInvertsTheMarginMapping) {
    EXPECT_EQ(ColumnX(18, 600, -5, 5), -5.0); // the edges give the limits exactly
    EXPECT_EQ(ColumnX(582, 600, -5, 5), 5.0);
    EXPECT_EQ(ColumnX(300, 600, -5, 5), 0.0); // 282 / 56.4 is not exactly 5: no 1E-18 here
    EXPECT_EQ(ColumnX(19, 52, 0, 8), 0.5);    // two columns per unit
    EXPECT_EQ(ColumnX(17, 52, 0, 8), -0.5);   // left of the plot rectangle
    EXPECT_EQ(ColumnX(19, 36, 0, 1), 0.0);    // no room between the margins
    EXPECT_THROW((void)ColumnX(20, 600, 1, 1), ArithmeticError);
}

} // namespace
} // namespace orvex
