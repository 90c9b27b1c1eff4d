// Drawing on a picture: frame, grid lines and labels, curves, errors, the whole picture of the redraw.
#include "GridAxis.h"
#include "RenderTestSupport.h"

#include <QFontMetrics>
#include <QPainter>

#include <utility>

namespace orvex::test {
namespace {

// Grid red on a white background, graphs blue; a green pre-fill shows what the drawing leaves alone.
const QColor kBlue(Qt::blue), kRed(Qt::red), kWhite(Qt::white), kGreen(Qt::green);

// The grid in red on white over a 600 x 400 picture filled with `fill`.
QImage Grid(const ViewTexts& view, const QColor& fill = kWhite) {
    QImage image = FilledImage(600, 400, fill);
    DrawGrid(image, view, 0x000000FF, 0x00FFFFFF);
    return image;
}

// The label at (x, y) is the text as the default font writes it, black on white, pre-fill left of it.
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

TEST(GridPicture, FrameAndLinesStandAtTheExamplePixels) {
    const QImage image = Grid(ViewTexts{});
    // A 2-pixel frame round 18..582 x 18..382; the right and top edges carry the last lines.
    EXPECT_EQ(ColumnsWithColour(image, 100, 0, 599, kRed),
              (std::vector<int>{17, 18, 74, 131, 187, 244, 300, 356, 413, 469, 526, 581, 582}));
    EXPECT_EQ(RowsWithColour(image, 100, 0, 399, kRed),
              (std::vector<int>{17, 18, 54, 91, 127, 164, 200, 236, 273, 309, 346, 381, 382}));
    EXPECT_EQ(RowsWithColour(image, 74, 0, 399, kRed).size(), 366u); // from frame edge to frame edge
}

TEST(GridPicture, LabelsSitBelowAndLeftOfTheirLinesWithTheSeparatorInForce) {
    const CommaSeparator comma;
    const QImage image = Grid({"-1", "1", "-5", "5"}, kGreen);
    ExpectLabel(image, 244 - 3, 383, "-0,2");
    ExpectLabel(image, 300 - 3, 383, "-6,7E-17"); // the running position accumulates rounding
    ExpectLabel(image, 3, 200 - 5, "0");
    ExpectLabel(image, 3, 18 - 5, "5");
}

TEST(GridPicture, CountsAndFieldsThatAreNotNumbers) {
    // An empty, zero or negative count gives two lines: the middle and the far frame edge.
    QImage image = Grid({"-5", "5", "-5", "5", "", "-3"});
    EXPECT_EQ(ColumnsWithColour(image, 100, 19, 580, kRed), std::vector<int>{300});
    EXPECT_EQ(RowsWithColour(image, 100, 19, 380, kRed), std::vector<int>{200});
    EXPECT_EQ(GridLineCount("2000000000"), kMaxGridLines); // a ceiling, so that drawing ends
    // Both counts are read before any line is drawn; a bad limit or a zero span draws nothing at all.
    image = FilledImage(600, 400, kGreen);
    EXPECT_THROW(DrawGrid(image, {"-5", "5", "-5", "5", "10", "ten"}, 0x000000FF, 0), ConversionError);
    EXPECT_EQ(ColumnsWithColour(image, 100, 0, 599, kRed), (std::vector<int>{17, 18, 581, 582}));
    image.fill(kGreen);
    EXPECT_THROW(DrawGrid(image, {"-5", "5", "-5", "5,0"}, 0, 0), ConversionError);
    EXPECT_THROW(DrawGrid(image, {"-5", "5", "-5", "-5"}, 0, 0), ArithmeticError);
    EXPECT_EQ(CountColour(image, kGreen), 600 * 400);
}

// A blue graph alone on a white picture, by default 600 x 400 with the limits -5..5.
QImage Plot(const char* formula, bool lines, int quality, const ViewTexts& view = {}, int w = 600,
            int h = 400, int width = 1) {
    QImage image = FilledImage(w, h, kWhite);
    PlotGraph(image, view, {formula, 0x00FF0000, lines, quality, width});
    return image;
}

TEST(Curves, LinesRunUnbrokenPointsAreSinglePixelsAndHalvesRoundToEven) {
    const QImage image = Plot("x", true, 100);
    EXPECT_EQ(image.pixelColor(300, 200), kBlue); // through (0, 0)
    for (int x = 18; x <= 581; ++x) {
        const std::vector<int> rows = RowsWithColour(image, x, 0, 399, kBlue);
        ASSERT_EQ(rows.size(), 1u) << "column " << x;
        EXPECT_NEAR(rows[0], 382 - (x - 18) * 364.0 / 564.0, 1.0) << x; // from (18, 382) to (582, 18)
    }
    const QImage points = Plot("x", false, 100);
    EXPECT_EQ(points, Plot("x", false, 100, {}, 600, 400, 5)); // whatever the width
    EXPECT_EQ(points.pixelColor(18, 382), kWhite);             // the first point only starts the stretch
    EXPECT_EQ(points.pixelColor(19, 382), kBlue);              // x = -4.99
    // 52 x 52 pixels, limits 0..8: 2 pixels per unit; samples every 0.25. At x = 0.25, 0.5 goes to 0 and
    // 15.5 to 16; at x = 0.75, 1.5 goes to 2 and 14.5 to 14.
    const QImage narrow = Plot("x", false, 4, {"0", "8", "0", "8"}, 52, 52);
    EXPECT_EQ(RowsWithColour(narrow, 18, 30, 36, kBlue), std::vector<int>{34});
    EXPECT_EQ(ColumnsWithColour(narrow, 34, 17, 21, kBlue), std::vector<int>{18});
    EXPECT_EQ(RowsWithColour(narrow, 20, 29, 35, kBlue), std::vector<int>{32});
}

TEST(Curves, GapRuleJoinsUpToSquaredDistanceFiftySoPolesAndJumpsStayOpen) {
    // 40 x 40 pixels for 0..20: one sample per unit, the point of sample k at (18 + 2k, 58 - 2k). Sample
    // 10 has no value or lies below the bottom; so does sample 0 of the second, whose sample 1 then only
    // starts the stretch.
    const ViewTexts view{"0", "20", "0", "20"};
    for (const auto& [formula, drawn] : {std::pair{"x/(x-10)*(x-10)", 19}, {"x-100/(1+1000*(x-10)^2)", 18}}) {
        const QImage image = Plot(formula, false, 1, view, 76, 76);
        EXPECT_EQ(image.pixelColor(38, 38), kWhite) << formula;
        EXPECT_EQ(image.pixelColor(40, 36), kBlue) << formula; // sample 11 goes on from sample 9
        EXPECT_EQ(CountColour(image, kBlue), drawn) << formula;
    }
    // Steps of (5, -5) pixels are joined, steps of (4, -6) are not.
    EXPECT_EQ(Plot("x", true, 1, view, 136, 136).pixelColor(20, 116), kBlue);
    EXPECT_EQ(CountColour(Plot("x", true, 1, view, 116, 156), kBlue), 0);
    // 1/x and tg(x) are drawn but not joined across the pole (column 300) or pi/2 (columns 377..400).
    const QImage hyperbola = Plot("1/x", true, 100), tangent = Plot("tg(x)", true, 100);
    EXPECT_TRUE(RowsWithColour(hyperbola, 300, 0, 399, kBlue).empty() && CountColour(hyperbola, kBlue) > 500);
    EXPECT_TRUE(CountColour(tangent.copy(377, 0, 24, 400), kBlue) == 0 && CountColour(tangent, kBlue) > 500);
}

TEST(Curves, LimitValuesAreDrawnQualityBelowOneDrawsNothingHugeSamplingsAndErrorsEndThePass) {
    EXPECT_EQ(ColumnsWithColour(Plot("5", true, 100), 18, 0, 599, kBlue).size(), 564u); // 18 .. 581
    EXPECT_EQ(CountColour(Plot("5.0000001", true, 100), kBlue), 0);
    // Below quality 1 the graph is not drawn at all.
    for (const int quality : {0, -1})
        for (const bool lines : {true, false})
            EXPECT_EQ(CountColour(Plot("x", lines, quality), kBlue), 0) << quality;
    QImage image = FilledImage(600, 400, kWhite); // 0 left of x = 0, an overflow near x = 4.94
    EXPECT_THROW(PlotGraph(image, ViewTexts{}, {"10^(x*1000)", 0x00FF0000, true, 100, 1}), ArithmeticError);
    EXPECT_EQ(image.pixelColor(100, 200), kBlue);
    // One unit of the double's precision at 1E20 is 16384: steps of 1/200 never move x.
    EXPECT_EQ(CountColour(Plot("1", true, 200, {"1E20", "100000000000000016384", "0", "2"}), kBlue), 0);
    EXPECT_EQ(RowsWithColour(Plot("0", true, 2147483647), 300, 0, 399, kBlue), std::vector<int>{200});
}

TEST(Curves, PictureRepairsLimitsFillsDrawsTheGridThenTheGraphsInOrder) {
    QImage image = FilledImage(600, 400, Qt::black);
    ViewTexts view{"0", "0.5", "-5", "5"};
    const std::vector<TGraphEntry> graphs{{"0", 0x00FF0000, true, 100, 1}, {"0", 0x000000FF, true, 100, 1}};
    ASSERT_TRUE(RenderPicture(image, view, 0x00FF0000, 0x0000FFFF, graphs));
    EXPECT_EQ(view.xmax, "1");
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(300, 100), kBlue); // the grid line at x = 0.5
    EXPECT_EQ(image.pixelColor(100, 200), kRed);
    view.ymin = "-"; // a limit that is not a number leaves the picture alone
    const QImage before = image;
    EXPECT_FALSE(RenderPicture(image, view, 0x00FF0000, 0x00FFFFFF, {}));
    EXPECT_EQ(image, before);
}

} // namespace
} // namespace orvex::test
