// The table of values: its rows under the allowance rule and the limits, its cells against the text
// evaluator (values, no value, errors, both separators, the derivative column), and its texts as CSV and
// as copied cells.
#include "ValueTable.h"
#include "DelimitedText.h"
#include "TableText.h"

#include "../evaluator/EvaluatorTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>
#include <vector>

namespace orvex {
namespace {

using test::ForSeparator;
using test::SeparatorScope;

TEST(TableRange, RowsFollowTheAllowanceAndTheLimits) {
    struct Case {
        long double from, to, step;
        std::size_t count;
        TableRangeFault fault = TableRangeFault::None;
    };
    const Case cases[] = {
        {0, 1, 0.1L, 11},  // 10 steps of 0.1 land a hair beyond 1: the allowance keeps the row
        {0, 1, 0.3L, 4},   // 0, 0.3, 0.6, 0.9
        {1, 0, -0.25L, 5}, // downwards
        {2, 2, 1, 1},      // one row, whatever the step's sign
        {2, 2, -1, 1},
        {0, 0.9995L, 1, 2},  // 1 passes 0.9995 by less than a thousandth of the step
        {0, 0.998L, 1, 1},   // ... and 0.998 by more
        {0, -0.0005L, 1, 1}, // x_0 itself may pass the end by the allowance
        {0, 999999, 1, 1000000},
        {0, 1, 0, 0, TableRangeFault::ZeroStep},
        {0, 1, -1, 0, TableRangeFault::AwayFromEnd},
        {0, -0.01L, 1, 0, TableRangeFault::AwayFromEnd},
        {0, 1000000, 1, 0, TableRangeFault::TooManyRows},
        {-1e308L, 1e308L, 1e300L, 0, TableRangeFault::TooManyRows},
        {0, 1, 1e-4000L, 0, TableRangeFault::TooManyRows}, // the quotient overflows
        {1e309L, 1e310L, 1e309L, 0, TableRangeFault::OutOfRange},
    };
    for (const Case& c : cases) {
        const TableRows rows = CountTableRows({c.from, c.to, c.step});
        EXPECT_EQ(rows.count, c.count) << static_cast<double>(c.from) << " " << static_cast<double>(c.to);
        EXPECT_EQ(rows.fault, c.fault) << static_cast<double>(c.from) << " " << static_cast<double>(c.to);
    }
    EXPECT_EQ(TableX({0, 1, 0.1L}, 10), 1.0);
    EXPECT_EQ(TableX({0, 1, 0.1L}, 3), 0.3);
    EXPECT_EQ(TableX({5, 0, -0.5L}, 7), 1.5);
}

// One cell, written with "," for the separator in force (swapped for the "." runs).
struct CellCase {
    const char* formula;
    bool derivative;
    double x;
    const char* text;
};

class TableCells : public ::testing::TestWithParam<std::tuple<CellCase, char>> {};

TEST_P(TableCells, ShowWhatTheEvaluatorGives) {
    const auto& [c, separator] = GetParam();
    const SeparatorScope scope(separator);
    const ValueTable table({c.x, c.x, 1}, {c.formula}, c.derivative, separator);
    ASSERT_EQ(table.rowCount(), 1u);
    EXPECT_EQ(table.text(0, 0), ForSeparator(NumberText(c.x, 15, ','), separator));
    EXPECT_EQ(table.text(0, c.derivative ? 2 : 1), ForSeparator(c.text, separator));
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, TableCells,
    test::BothSeparators(std::vector<CellCase>{
        {"x^2+3.5*sin(x)", false, 1, "3,94514844682764"},
        {"x:4", false, -1.5, "-0,375"},
        {"ln(x)", false, -1, ""}, // no value: an empty cell
        {"1/x", false, 0, ""},
        {"sh(x)", false, 20000, "Floating point overflow"},
        {"x-x", false, -3, "0"}, // never "-0"
        {"x^3", true, 2, "12"},  // the symbolic derivative through the evaluator
        {"sin(x)", true, 0, "1"},
        {"ln(x)", true, 2, "0,5"},
        {"ln(x)", true, -1, ""},    // 1/x has a value there, the graph has none: no slope either
        {"sh(x)", true, 20000, ""}, // nor where the graph raised an error
        {"sqrt(x)", true, 0, ""},   // 0.5/sqrt(x) has no value at 0
        {"arctg(sh(x))", true, 6000, "Floating point overflow"}, // the derivative's own error
    }));

// Every row: x as the table writes it, and the value the text evaluator gives at exactly that x.
TEST(ValueTable, RowsAgreeWithTheTextEvaluatorAtTheShownX) {
    for (const char separator : {',', '.'}) {
        const SeparatorScope scope(separator);
        for (const char* formula : {"x^2+3.5*sin(x)", "1/(x-0,3)", "(-2)^x", "tg(x*10)", "sqrt(x)+|x|"}) {
            const ValueTable table({-1, 1, 0.01L}, {formula}, false, separator);
            ASSERT_EQ(table.rowCount(), 201u);
            for (std::size_t row = 0; row < table.rowCount(); ++row) {
                const std::string x = table.text(row, 0);
                std::string expected = test::ValueAt(formula, *ReadNumber(x, separator));
                if (expected == test::kNoValue)
                    expected.clear();
                if (expected.rfind("error: ", 0) == 0)
                    expected.erase(0, 7);
                ASSERT_EQ(table.text(row, 1), expected) << formula << " at " << x;
            }
        }
    }
}

TEST(ValueTable, NumericDerivativeWhereTheEvaluatorCannotReadTheSymbolicOne) {
    const SeparatorScope scope('.');
    const ValueTable table({1, 10, 9}, {"lg(x)", "x^2"}, true, '.');
    ASSERT_EQ(table.columnCount(), 5u); // x, lg(x), lg(x)', x^2, x^2'
    EXPECT_EQ(table.derivative(0).method, GraphDerivative::Method::Numeric);
    EXPECT_EQ(table.derivative(1).method, GraphDerivative::Method::Symbolic);
    EXPECT_EQ(table.derivative(1).text, "2*x");
    const ValueCell slope = table.cell(1, 2);
    ASSERT_EQ(slope.kind, ValueCell::Kind::Value);
    EXPECT_NEAR(static_cast<double>(slope.value), 1 / (10 * std::log(10.0)), 1e-9);
    EXPECT_EQ(table.text(1, 4), "20");
}

TEST(DelimitedText, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvSeparator(','), ';');
    EXPECT_EQ(CsvSeparator('.'), ',');
    EXPECT_EQ(CsvLine({"x", "1,5", "a;b", "say \"hi\"", "two\nlines", ""}, ';'),
              "x;1,5;\"a;b\";\"say \"\"hi\"\"\";\"two\nlines\";");
    EXPECT_EQ(CsvLine({"1,5", "2.5"}, ','), "\"1,5\",2.5");
    EXPECT_EQ(TabLine({"a\tb", "c\nd", ""}), "a b\tc d\t");
}

TEST(TableText, CsvUsesTheFieldSeparatorOfTheDecimalSeparator) {
    for (const char separator : {',', '.'}) {
        const SeparatorScope scope(separator);
        const ValueTable table({0, 1, 0.5L}, {"x^2", "ln(x)"}, false, separator);
        std::string file;
        int pieces = 0;
        EXPECT_TRUE(WriteCsv(table, {"x", "x^2", "ln(x)"}, [&](std::string_view piece) {
            file += piece;
            ++pieces;
            return true;
        }));
        EXPECT_EQ(file, separator == ',' ? "x;x^2;ln(x)\n0;0;\n0,5;0,25;-0,693147180559945\n1;1;0\n"
                                         : "x,x^2,ln(x)\n0,0,\n0.5,0.25,-0.693147180559945\n1,1,0\n");
        EXPECT_EQ(pieces, 1);
    }
}

TEST(TableText, SelectedCells) {
    const SeparatorScope scope('.');
    const ValueTable table({0, 4, 1}, {"x^2"}, true, '.'); // x, x^2, x^2'
    const std::vector<std::string> titles{"x", "x^2", "(x^2)' = 2*x"};
    struct Case {
        std::vector<CellBlock> blocks;
        const char* text;
    };
    const Case cases[] = {
        {{{1, 2, 1, 1}}, "1\n4\n"},
        {{{3, 3, 0, 2}}, "3\t9\t6\n"},
        {{{0, 0, 0, 0}, {2, 2, 2, 2}}, "0\t\n\t4\n"}, // cells between blocks stay empty
        {{{2, 2, 1, 1}, {1, 1, 1, 1}}, "1\n4\n"},     // in the table's order
        {{{0, 4, 1, 2}}, "x^2\t(x^2)' = 2*x\n0\t0\n1\t2\n4\t4\n9\t6\n16\t8\n"}, // whole columns: titles
        {{{3, 9, 2, 7}}, "6\n8\n"},                                             // cut to the table
        {{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SelectedText(table, titles, c.blocks), c.text) << c.text;
    const std::atomic<bool> stop{true};
    EXPECT_EQ(SelectedText(table, titles, {{0, 4, 0, 2}}, &stop), "");
}

} // namespace
} // namespace orvex
