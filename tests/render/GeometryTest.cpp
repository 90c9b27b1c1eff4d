// Pixel mapping, grid line positions and label values, colour values without an application.
#include "GridAxis.h"
#include "NumberText.h"
#include "PlotMapping.h"

#include "ArithmeticError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvex {
namespace {

TEST(PlotMapping, ExamplePictureMapsCornersAndOrigin) {
    const PlotMapping mapping(600, 400, ViewLimits{-5, 5, -5, 5});
    EXPECT_DOUBLE_EQ(mapping.kx(), 56.4);
    EXPECT_DOUBLE_EQ(mapping.ky(), 36.4);
    EXPECT_EQ(mapping.column(0), 300);
    EXPECT_EQ(mapping.row(0), 200);
    EXPECT_EQ(mapping.column(-5), 18);
    EXPECT_EQ(mapping.row(5), 18);
    EXPECT_EQ(mapping.column(5), 582);
    EXPECT_EQ(mapping.row(-5), 382);
}

TEST(PlotMapping, ZeroSpanIsADivisionByZeroAndFarPointsStayRepresentable) {
    EXPECT_THROW(PlotMapping(600, 400, ViewLimits{1, 1, -5, 5}), ArithmeticError);
    EXPECT_THROW(PlotMapping(600, 400, ViewLimits{-5, 5, 2, 2}), ArithmeticError);
    const PlotMapping mapping(600, 400, ViewLimits{0, 1, 0, 1});
    EXPECT_GT(mapping.column(1e300), 600);
    EXPECT_LT(mapping.row(1e300), 0);
}

struct GridCase {
    double lower, upper;
    int count;
    std::vector<std::string> labels;
};

class GridLabels : public testing::TestWithParam<GridCase> {};

TEST_P(GridLabels, RunningPositionGivesTheLabels) {
    const GridCase& c = GetParam();
    GridAxis axis(c.lower, c.upper, c.count);
    std::vector<std::string> labels;
    for (int k = 0; k < c.count; ++k)
        labels.push_back(NumberText(axis.next(), 2, ','));
    EXPECT_EQ(labels, c.labels);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GridLabels,
    testing::Values(
        GridCase{-5, 5, 10, {"-4", "-3", "-2", "-1", "0", "1", "2", "3", "4", "5"}},
        GridCase{0, 1000, 10, {"1E2", "2E2", "3E2", "4E2", "5E2", "6E2", "7E2", "8E2", "9E2", "1E3"}},
        GridCase{-1, 1, 4, {"-0,5", "0", "0,5", "1"}},
        GridCase{0, 1, 8, {"0,13", "0,25", "0,38", "0,5", "0,63", "0,75", "0,88", "1"}},
        // The accumulated rounding leaves the fifth line just off zero.
        GridCase{-1, 1, 10, {"-0,8", "-0,6", "-0,4", "-0,2", "-6,7E-17", "0,2", "0,4", "0,6", "0,8", "1"}}));

TEST(GridAxis, PositionLeavingTheDoubleRangeIsAnOverflow) {
    GridAxis axis(0, 1.7e308, 1);
    EXPECT_DOUBLE_EQ(axis.next(), 1.7e308);
    EXPECT_THROW((void)axis.next(), ArithmeticError);
}

struct CountCase {
    const char* text;
    int count;
};

class GridCount : public testing::TestWithParam<CountCase> {};

TEST_P(GridCount, FieldGivesTheLineCount) {
    EXPECT_EQ(GridLineCount(GetParam().text), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Fields, GridCount,
                         testing::Values(CountCase{"10", 10}, CountCase{"", 2}, CountCase{"0", 2},
                                         CountCase{"-3", 2}, CountCase{" 7 ", 7}, CountCase{"1", 1},
                                         CountCase{"2000000000", kMaxGridLines}));

TEST(GridCount, TextThatIsNotAnIntegerIsAConversionError) {
    try {
        (void)GridLineCount("1,5");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1,5' is not a valid integer value");
    }
}

} // namespace
} // namespace orvex
