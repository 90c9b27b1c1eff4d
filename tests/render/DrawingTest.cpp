// Drawing on a picture: the frame, grid lines and labels, the curves with their pixel mapping, point
// mode and gap rule, errors while drawing, and the whole picture as the redraw makes it.
#include "GridAxis.h"
#include "RenderTestSupport.h"

#include "ArithmeticError.h"

#include <QFontMetrics>
#include <QPainter>

#include <utility>

namespace orvex::test {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 255, 0); // pre-fill of the picture that differs from the background

// The grid in red on white over a 600 x 400 picture filled with `fill`.
QImage Grid(const ViewTexts& view, const QColor& fill = kWhite) {
    QImage image = FilledImage(600, 400, fill);
    DrawGrid(image, view, 0x000000FF, 0x00FFFFFF);
    return image;
}

// The label with its top-left corner at (x, y) is the text as the default font writes it, black on
// white, with the pre-fill just left of it.
void ExpectLabel(const QImage& image, int x, int y, const QString& text) {
    QFont font;
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    QImage expected = FilledImage(metrics.horizontalAdvance(text), metrics.height(), kWhite);
    QPainter painter(&expected);
    painter.setFont(font);
    painter.drawText(QPoint(0, metrics.ascent()), text);
    EXPECT_EQ(image.copy(x, y, expected.width(), expected.height()), expected) << text.toStdString();
    EXPECT_EQ(image.pixelColor(x - 1, y), kGreen) << text.toStdString();
}

using GridPicture = PointSeparator;

TEST_F(GridPicture, FrameAndLinesStandAtTheExamplePixels) {
    const QImage image = Grid(ViewTexts{});
    // A 2-pixel frame round 18..582 x 18..382; the right and top edges carry the last lines.
    EXPECT_EQ(ColumnsWithColour(image, 100, 0, 599, kRed),
              (std::vector<int>{17, 18, 74, 131, 187, 244, 300, 356, 413, 469, 526, 581, 582}));
    EXPECT_EQ(RowsWithColour(image, 100, 0, 399, kRed),
              (std::vector<int>{17, 18, 54, 91, 127, 164, 200, 236, 273, 309, 346, 381, 382}));
    EXPECT_EQ(RowsWithColour(image, 74, 0, 399, kRed).size(), 366u); // from frame edge to frame edge
    EXPECT_EQ(image.pixelColor(19, 19), kWhite);
}

TEST_F(GridPicture, LabelsSitBelowAndLeftOfTheirLinesWithTheSeparatorInForce) {
    SetDecimalSeparator(',');
    const QImage image = Grid({"-1", "1", "-5", "5"}, kGreen);
    ExpectLabel(image, 244 - 3, 383, "-0,2");
    ExpectLabel(image, 300 - 3, 383, "-6,7E-17"); // the running position accumulates rounding
    ExpectLabel(image, 3, 200 - 5, "0");
    ExpectLabel(image, 3, 18 - 5, "5");
}

TEST_F(GridPicture, CountsAndFieldsThatAreNotNumbers) {
    // An empty, zero or negative count gives two lines: the middle and the far frame edge.
    QImage image = Grid({"-5", "5", "-5", "5", "", "-3"});
    EXPECT_EQ(ColumnsWithColour(image, 100, 19, 580, kRed), std::vector<int>{300});
    EXPECT_EQ(RowsWithColour(image, 100, 19, 380, kRed), std::vector<int>{200});
    EXPECT_EQ(ColumnsWithColour(Grid({"-5", "5", "-5", "5", "100"}), 100, 583, 599, kRed),
              std::vector<int>{});
    EXPECT_EQ(GridLineCount("2000000000"), kMaxGridLines);

    image = FilledImage(600, 400, kWhite); // both counts are read before any line is drawn
    const ViewTexts badCount{"-5", "5", "-5", "5", "10", "ten"};
    EXPECT_EQ(FailureOf([&] { DrawGrid(image, badCount, 0x000000FF, 0); }),
              "'ten' is not a valid integer value");
    EXPECT_EQ(ColumnsWithColour(image, 100, 0, 599, kRed), (std::vector<int>{17, 18, 581, 582}));

    image = FilledImage(600, 400, kGreen);
    EXPECT_THROW(DrawGrid(image, {"-5", "5", "-5", "5,0"}, 0, 0), ConversionError);
    EXPECT_THROW(DrawGrid(image, {"-5", "5", "-5", "-5"}, 0, 0), ArithmeticError); // a zero span
    EXPECT_EQ(CountColour(image, kGreen), 600 * 400);
}

TGraphEntry Graph(const char* formula, bool lines, int quality, int width = 1) {
    return {formula, 0x00FF0000, lines, quality, width};
}

// The curve alone on a white picture, by default 600 x 400 with the limits -5..5.
QImage Plot(const TGraphEntry& entry, const ViewTexts& view = ViewTexts{}, int w = 600, int h = 400) {
    QImage image = FilledImage(w, h, kWhite);
    PlotGraph(image, view, entry);
    return image;
}

using Curves = PointSeparator;

TEST_F(Curves, StraightLineRunsUnbrokenFromCornerToCornerAndPointModeSetsSinglePixels) {
    const QImage image = Plot(Graph("x", true, 100));
    EXPECT_EQ(image.pixelColor(300, 200), kBlue); // through (0, 0)
    for (int x = 18; x <= 581; ++x) {
        const std::vector<int> rows = RowsWithColour(image, x, 0, 399, kBlue);
        ASSERT_EQ(rows.size(), 1u) << "column " << x;
        EXPECT_NEAR(rows[0], 382 - (x - 18) * 364.0 / 564.0, 1.0) << x; // from (18, 382) to (582, 18)
    }
    EXPECT_EQ(RowsWithColour(Plot(Graph("0", true, 100, 3)), 300, 0, 399, kBlue),
              (std::vector{199, 200, 201}));

    const QImage points = Plot(Graph("x", false, 100, 1));
    EXPECT_EQ(points, Plot(Graph("x", false, 100, 5))); // whatever the width
    EXPECT_EQ(points.pixelColor(18, 382), kWhite);      // the first point only starts the stretch
    EXPECT_EQ(points.pixelColor(19, 382), kBlue);       // x = -4.99
}

TEST_F(Curves, ValuesOnTheLimitsAreDrawnAndQualityOneOrLessDrawsNothing) {
    const QImage top = Plot(Graph("5", true, 100));
    EXPECT_EQ(ColumnsWithColour(top, 18, 0, 599, kBlue).size(), 564u); // 18 .. 581
    EXPECT_EQ(CountColour(Plot(Graph("5.0000001", true, 100)), kBlue), 0);
    // At quality 1 the points are 56.4 pixels apart; below 1 the graph is not drawn at all.
    for (const int quality : {1, 0, -1})
        for (const bool lines : {true, false})
            EXPECT_EQ(CountColour(Plot(Graph("x", lines, quality)), kBlue), 0) << quality;
}

TEST_F(Curves, PoleAndJumpsStayOpen) {
    const QImage hyperbola = Plot(Graph("1/x", true, 100));
    EXPECT_EQ(RowsWithColour(hyperbola, 300, 0, 399, kBlue), std::vector<int>{});
    EXPECT_GT(CountColour(hyperbola, kBlue), 500);
    // Around pi/2 (column 389) a branch ends near the top edge and the next starts near the bottom.
    const QImage tangent = Plot(Graph("tg(x)", true, 100));
    EXPECT_FALSE(RowsWithColour(tangent, 376, 0, 49, kBlue).empty());
    EXPECT_FALSE(RowsWithColour(tangent, 401, 350, 399, kBlue).empty());
    EXPECT_EQ(CountColour(tangent.copy(377, 0, 24, 400), kBlue), 0);
}

TEST_F(Curves, GapRuleJoinsUpToSquaredDistanceFiftyAndSkippedSamplesDoNotBreakAStretch) {
    // 40 x 40 pixels for 0..20: one sample per unit, the point of sample k at (18 + 2k, 58 - 2k). Sample
    // 10 has no value or lies below the bottom; so does sample 0 of the second, whose sample 1 then only
    // starts the stretch.
    for (const auto& [formula, drawn] : {std::pair{"x/(x-10)*(x-10)", 19}, {"x-100/(1+1000*(x-10)^2)", 18}}) {
        const QImage image = Plot(Graph(formula, false, 1), {"0", "20", "0", "20"}, 76, 76);
        EXPECT_EQ(image.pixelColor(38, 38), kWhite) << formula;
        EXPECT_EQ(image.pixelColor(40, 36), kBlue) << formula; // sample 11 goes on from sample 9
        EXPECT_EQ(CountColour(image, kBlue), drawn) << formula;
    }
    // Steps of (5, -5) pixels are joined, steps of (4, -6) are not.
    EXPECT_EQ(Plot(Graph("x", true, 1), {"0", "20", "0", "20"}, 136, 136).pixelColor(20, 116), kBlue);
    EXPECT_EQ(CountColour(Plot(Graph("x", true, 1), {"0", "20", "0", "20"}, 116, 156), kBlue), 0);
}

TEST_F(Curves, HalvesRoundToEvenOnTheNarrowPicture) {
    // 52 x 52 pixels, limits 0..8: 2 pixels per unit; samples every 0.25.
    const QImage image = Plot(Graph("x", false, 4), {"0", "8", "0", "8"}, 52, 52);
    EXPECT_EQ(image.pixelColor(18, 34), kBlue); // x = 0.25: 0.5 goes to 0, 15.5 to 16
    EXPECT_EQ(image.pixelColor(19, 34), kWhite);
    EXPECT_EQ(image.pixelColor(20, 32), kBlue); // x = 0.75: 1.5 goes to 2, 14.5 to 14
    EXPECT_EQ(image.pixelColor(20, 33), kWhite);
}

TEST_F(Curves, ErrorEndsThePassAndKeepsWhatWasDrawnAndHugeSamplingsEnd) {
    QImage image = FilledImage(600, 400, kWhite); // 0 left of x = 0, an overflow near x = 4.94
    EXPECT_EQ(FailureOf([&] { PlotGraph(image, ViewTexts{}, Graph("10^(x*1000)", true, 100)); }),
              "Floating point overflow");
    EXPECT_EQ(image.pixelColor(100, 200), kBlue);
    // One unit of the double's precision at 1E20 is 16384: steps of 1/200 never move x.
    const ViewTexts far{"1E20", "100000000000000016384", "0", "2"};
    EXPECT_EQ(CountColour(Plot(Graph("1", true, 200), far), kBlue), 0);
    EXPECT_EQ(RowsWithColour(Plot(Graph("0", true, 2147483647)), 300, 0, 399, kBlue), std::vector<int>{200});
    const QImage wide = Plot(Graph("0", true, 200), {"-1E12", "1E12", "-5", "5"});
    EXPECT_EQ(ColumnsWithColour(wide, 200, 0, 599, kBlue).size(), 564u);
}

TEST_F(Curves, PictureRepairsLimitsFillsDrawsTheGridThenTheGraphsInOrder) {
    QImage image = FilledImage(600, 400, Qt::black);
    ViewTexts view{"0", "0.5", "-5", "5"};
    const TGraphEntry red{"0", 0x000000FF, true, 100, 1};
    ASSERT_TRUE(RenderPicture(image, view, 0x00FF0000, 0x0000FFFF, {Graph("0", true, 100), red}));
    EXPECT_EQ(view.xmax, "1");
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(300, 100), kBlue); // the grid line at x = 0.5
    EXPECT_EQ(image.pixelColor(100, 200), QColor(255, 0, 0));

    view.ymin = "-"; // a limit that is not a number leaves the picture alone
    const QImage before = image;
    EXPECT_FALSE(RenderPicture(image, view, 0x00FF0000, 0x00FFFFFF, {}));
    EXPECT_EQ(image, before);
}

} // namespace
} // namespace orvex::test
