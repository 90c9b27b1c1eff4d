// Curve sampling and drawing: the pixel mapping, the gap rule, point mode, errors.
#include "PixelProbe.h"
#include "Renderer.h"

#include "ArithmeticError.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace orvex {
namespace {

using test::ColumnsWithColour;
using test::CountColour;
using test::FilledImage;
using test::RowsWithColour;

const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 0, 255);
constexpr std::uint32_t kBlueValue = 0x00FF0000;

TGraphEntry Graph(const std::string& formula, bool lines, int quality, int width = 1) {
    TGraphEntry entry;
    entry.Formula = formula;
    entry.Color = kBlueValue;
    entry.DrawLines = lines;
    entry.Quality = quality;
    entry.LineWidth = width;
    return entry;
}

ViewTexts Limits(const char* xmin, const char* xmax, const char* ymin, const char* ymax) {
    ViewTexts view;
    view.xmin = xmin;
    view.xmax = xmax;
    view.ymin = ymin;
    view.ymax = ymax;
    return view;
}

class Curves : public testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('\0'); }

    // The curve alone on a white 600 x 400 picture with the limits -5..5 (unless given).
    static QImage plot(const TGraphEntry& entry, const ViewTexts& view = ViewTexts{}, int w = 600,
                       int h = 400) {
        QImage image = FilledImage(w, h, kWhite);
        PlotGraph(image, view, entry);
        return image;
    }

    static std::vector<QPoint> bluePixels(const QImage& image) {
        std::vector<QPoint> points;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == kBlue)
                    points.emplace_back(x, y);
        return points;
    }
};

TEST_F(Curves, StraightLineRunsUnbrokenFromCornerToCorner) {
    const QImage image = plot(Graph("x", true, 100));
    EXPECT_EQ(image.pixelColor(18, 382), kBlue);
    for (int x = 18; x <= 581; ++x) {
        const std::vector<int> rows = RowsWithColour(image, x, 0, 399, kBlue);
        ASSERT_FALSE(rows.empty()) << "gap at column " << x;
        // On the line from (18, 382) to (582, 18), within rounding.
        const double ideal = 382 - (x - 18) * 364.0 / 564.0;
        EXPECT_LE(std::abs(rows.front() - ideal), 1.5) << x;
        EXPECT_LE(std::abs(rows.back() - ideal), 1.5) << x;
    }
    EXPECT_EQ(image.pixelColor(300, 200), kBlue); // through (0, 0)
}

TEST_F(Curves, PointModeSetsOnePixelPerLaterSampleWhateverTheWidth) {
    const QImage thin = plot(Graph("x", false, 100, 1));
    const QImage wide = plot(Graph("x", false, 100, 5));
    EXPECT_EQ(thin, wide);
    EXPECT_EQ(thin.pixelColor(18, 382), kWhite); // the first point only starts the stretch
    EXPECT_EQ(thin.pixelColor(19, 382), kBlue);  // x = -4.99
    EXPECT_EQ(thin.pixelColor(300, 200), kBlue);
    const int count = CountColour(thin, kBlue);
    EXPECT_GT(count, 564);
    EXPECT_LE(count, 1000);
}

TEST_F(Curves, ValuesOnTheLimitsAreDrawnAndBeyondThemNot) {
    const QImage top = plot(Graph("5", true, 100));
    EXPECT_EQ(RowsWithColour(top, 300, 0, 399, kBlue), std::vector<int>{18});
    EXPECT_EQ(ColumnsWithColour(top, 18, 0, 599, kBlue).size(), 564u); // 18 .. 581
    EXPECT_EQ(CountColour(plot(Graph("5.0000001", true, 100)), kBlue), 0);
    // Point mode along the bottom edge: the first sample's pixel stays blank, then one pixel a column.
    const QImage bottom = plot(Graph("-5", false, 100));
    EXPECT_EQ(bottom.pixelColor(18, 382), kWhite);
    EXPECT_EQ(ColumnsWithColour(bottom, 382, 0, 599, kBlue).size(), 564u); // 19 .. 582
    EXPECT_EQ(CountColour(bottom, kBlue), 564);
}

TEST_F(Curves, WidePenCoversRowsAroundTheLine) {
    const QImage image = plot(Graph("0", true, 100, 3));
    EXPECT_EQ(RowsWithColour(image, 300, 0, 399, kBlue), (std::vector<int>{199, 200, 201}));
}

TEST_F(Curves, QualityOneLeavesEveryPointAlone) {
    EXPECT_EQ(CountColour(plot(Graph("x", true, 1)), kBlue), 0);
    EXPECT_EQ(CountColour(plot(Graph("x", false, 1)), kBlue), 0);
}

TEST_F(Curves, QualityBelowOneDrawsNothing) {
    for (int quality : {0, -1, -200}) {
        EXPECT_EQ(CountColour(plot(Graph("x", true, quality)), kBlue), 0) << quality;
        EXPECT_EQ(CountColour(plot(Graph("1/0", true, quality)), kBlue), 0) << quality;
    }
}

TEST_F(Curves, PoleAndJumpsStayOpen) {
    const QImage hyperbola = plot(Graph("1/x", true, 100));
    EXPECT_EQ(RowsWithColour(hyperbola, 300, 0, 399, kBlue), std::vector<int>{});
    EXPECT_GT(CountColour(hyperbola, kBlue), 500);

    // No column of tg(x) holds a long vertical run: nothing joins a branch top to the next bottom.
    const QImage tangent = plot(Graph("tg(x)", true, 100));
    for (int x = 18; x <= 582; ++x) {
        const std::vector<int> rows = RowsWithColour(tangent, x, 0, 399, kBlue);
        if (!rows.empty()) {
            EXPECT_LT(rows.back() - rows.front(), 40) << "column " << x;
        }
    }
    // Around pi/2 (column 389) the branch ending near the top edge and the next one starting near the
    // bottom edge leave a gap: the samples there are too far apart to be joined.
    EXPECT_LT(RowsWithColour(tangent, 376, 0, 399, kBlue).front(), 50);
    EXPECT_GT(RowsWithColour(tangent, 401, 0, 399, kBlue).back(), 350);
    for (int x = 377; x <= 400; ++x)
        EXPECT_EQ(RowsWithColour(tangent, x, 0, 399, kBlue), std::vector<int>{}) << "column " << x;
}

// 40 x 40 pixels of plot area for 0..20 on both axes: 2 pixels per unit, one sample per unit.
struct StretchCase {
    const char* formula;
    std::vector<int> missing; // samples k = 1..20 whose pixel (18 + 2k, 58 - 2k) stays blank
};

class Stretches : public Curves, public testing::WithParamInterface<StretchCase> {};

TEST_P(Stretches, SkippedSamplesDoNotBreakAStretch) {
    const StretchCase& c = GetParam();
    const QImage image = plot(Graph(c.formula, false, 1), Limits("0", "20", "0", "20"), 76, 76);
    std::vector<int> missing;
    for (int k = 1; k <= 20; ++k)
        if (image.pixelColor(18 + 2 * k, 58 - 2 * k) != kBlue)
            missing.push_back(k);
    EXPECT_EQ(missing, c.missing);
    EXPECT_EQ(CountColour(image, kBlue), 20 - static_cast<int>(c.missing.size()));
}

INSTANTIATE_TEST_SUITE_P(Samples, Stretches,
                         testing::Values(StretchCase{"x", {}},
                                         StretchCase{"x/(x-10)*(x-10)", {10}}, // no value at 10
                                         StretchCase{"x-100/(1+1000*(x-10)^2)", {1, 10}}
                                         // below the bottom at 0 and 10
                                         ));

TEST_F(Curves, SquaredDistanceFiftyJoinsAndFiftyTwoDoesNot) {
    // Steps of (5, -5) pixels: squared distance 50.
    const QImage joined = plot(Graph("x", true, 1), Limits("0", "20", "0", "20"), 136, 136);
    EXPECT_EQ(joined.pixelColor(20, 116), kBlue); // between the first two points
    // Steps of (4, -6) pixels: squared distance 52.
    const QImage apart = plot(Graph("x", true, 1), Limits("0", "20", "0", "20"), 116, 156);
    EXPECT_EQ(CountColour(apart, kBlue), 0);
}

TEST_F(Curves, HalvesRoundToEvenOnTheNarrowPicture) {
    // 52 x 52 pixels, limits 0..8: 2 pixels per unit; samples every 0.25.
    const QImage image = plot(Graph("x", false, 4), Limits("0", "8", "0", "8"), 52, 52);
    EXPECT_EQ(image.pixelColor(18, 34), kBlue); // x = 0.25: 0.5 goes to 0, 15.5 to 16
    EXPECT_EQ(image.pixelColor(19, 34), kWhite);
    EXPECT_EQ(image.pixelColor(20, 32), kBlue); // x = 0.75: 1.5 goes to 2, 14.5 to 14
    EXPECT_EQ(image.pixelColor(20, 33), kWhite);
}

TEST_F(Curves, ArithmeticErrorEndsThePassAndKeepsWhatWasDrawn) {
    QImage image = FilledImage(600, 400, kWhite);
    try {
        PlotGraph(image, ViewTexts{}, Graph("10^(x*1000)", true, 100)); // 0 left of x = 0, overflow near 4.94
        FAIL() << "no error";
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
    EXPECT_EQ(image.pixelColor(100, 200), kBlue);
}

TEST_F(Curves, LaterGraphsAreDrawnOverEarlierOnes) {
    QImage image = FilledImage(600, 400, kWhite);
    ViewTexts view;
    TGraphEntry red = Graph("0", true, 100);
    red.Color = 0x000000FF;
    ASSERT_TRUE(RenderPicture(image, view, 0x00C0C0C0, 0x00FFFFFF, {red, Graph("0", true, 100)}));
    EXPECT_EQ(image.pixelColor(100, 200), kBlue);
    ASSERT_TRUE(RenderPicture(image, view, 0x00C0C0C0, 0x00FFFFFF, {Graph("0", true, 100), red}));
    EXPECT_EQ(image.pixelColor(100, 200), QColor(255, 0, 0));
}

TEST_F(Curves, FarLimitsWhereTheStepIsLostEndThePass) {
    // One unit of the double's precision at 1E20 is 16384: steps of 1/200 never move x.
    const QImage image = plot(Graph("1", true, 200), Limits("1E20", "100000000000000016384", "0", "2"));
    EXPECT_EQ(CountColour(image, kBlue), 0);
}

TEST_F(Curves, HugeQualityOrSpanIsSampledInBoundedTime) {
    EXPECT_EQ(RowsWithColour(plot(Graph("0", true, 2147483647)), 300, 0, 399, kBlue), std::vector<int>{200});
    const QImage wide = plot(Graph("0", true, 200), Limits("-1E12", "1E12", "-5", "5"));
    EXPECT_EQ(ColumnsWithColour(wide, 200, 0, 599, kBlue).size(), 564u);
}

TEST_F(Curves, LimitThatIsNotANumberIsAConversionError) {
    QImage image = FilledImage(60, 40, kWhite);
    EXPECT_THROW(PlotGraph(image, Limits("a", "5", "-5", "5"), Graph("x", true, 100)), ConversionError);
}

} // namespace
} // namespace orvex
