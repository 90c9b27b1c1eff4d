// Frame, grid lines and labels on a 600 x 400 picture.
#include "PixelProbe.h"
#include "Renderer.h"

#include "ArithmeticError.h"
#include "NumberText.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

namespace orvex {
namespace {

using test::ColumnsWithColour;
using test::FilledImage;
using test::RowsWithColour;

constexpr std::uint32_t kRed = 0x000000FF;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
const QColor kGrid(255, 0, 0);
const QColor kBackground(255, 255, 255);
const QColor kMarginFill(0, 255, 0); // pre-fill of the picture that differs from the background

class GridPixels : public testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('\0'); }

    QImage draw(const ViewTexts& view, const QColor& fill = kBackground) {
        QImage image = FilledImage(600, 400, fill);
        DrawGrid(image, view, kRed, kWhite);
        return image;
    }

    // The label as the grid writes it: black text on the background, its top-left corner at (x, y).
    static QImage referenceLabel(const QString& text) {
        QFont font;
        font.setStyleStrategy(QFont::NoAntialias);
        const QFontMetrics metrics(font);
        QImage image = FilledImage(metrics.horizontalAdvance(text), metrics.height(), kBackground);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(0, metrics.ascent()), text);
        return image;
    }

    static void expectLabel(const QImage& image, int x, int y, const QString& text) {
        const QImage expected = referenceLabel(text);
        EXPECT_EQ(image.copy(x, y, expected.width(), expected.height()), expected) << text.toStdString();
        // Left of and above the label the pre-fill shows through.
        EXPECT_EQ(image.pixelColor(x - 1, y), kMarginFill) << text.toStdString();
        EXPECT_EQ(image.pixelColor(x, y - 1) == kMarginFill || image.pixelColor(x, y - 1) == kGrid, true);
    }
};

TEST_F(GridPixels, FrameIsATwoPixelBorderThroughTheCornerPoints) {
    const QImage image = draw(ViewTexts{});
    for (const QPoint& p :
         {QPoint(18, 18), QPoint(582, 382), QPoint(18, 382), QPoint(582, 18), QPoint(17, 17),
          QPoint(581, 381), QPoint(18, 100), QPoint(17, 100), QPoint(300, 381)})
        EXPECT_EQ(image.pixelColor(p), kGrid) << p.x() << "," << p.y();
    for (const QPoint& p : {QPoint(16, 100), QPoint(19, 101), QPoint(583, 100), QPoint(100, 16),
                            QPoint(100, 383), QPoint(580, 380)})
        EXPECT_EQ(image.pixelColor(p), kBackground) << p.x() << "," << p.y();
}

TEST_F(GridPixels, LinesStandAtTheExamplePixels) {
    const QImage image = draw(ViewTexts{});
    // The right and top frame edges carry the last lines; left and bottom edges have none of their own.
    EXPECT_EQ(ColumnsWithColour(image, 100, 17, 599, kGrid),
              (std::vector<int>{17, 18, 74, 131, 187, 244, 300, 356, 413, 469, 526, 581, 582}));
    EXPECT_EQ(RowsWithColour(image, 100, 17, 399, kGrid),
              (std::vector<int>{17, 18, 54, 91, 127, 164, 200, 236, 273, 309, 346, 381, 382}));
    // Lines run from frame edge to frame edge.
    EXPECT_EQ(RowsWithColour(image, 74, 0, 399, kGrid).size(), 366u);
    EXPECT_EQ(ColumnsWithColour(image, 200, 0, 599, kGrid).size(), 566u);
}

TEST_F(GridPixels, LabelsSitBelowAndLeftOfTheirLines) {
    const QImage image = draw(ViewTexts{}, kMarginFill);
    EXPECT_EQ(image.pixelColor(19, 19), kBackground); // the frame's inside is filled with the background
    expectLabel(image, 74 - 3, 383, "-4");
    expectLabel(image, 300 - 3, 383, "0");
    expectLabel(image, 526 - 3, 383, "4");
    expectLabel(image, 3, 200 - 5, "0");
    expectLabel(image, 3, 346 - 5, "-4");
    expectLabel(image, 3, 18 - 5, "5");
}

TEST_F(GridPixels, LabelsUseTheSeparatorInForce) {
    ViewTexts view;
    view.xmin = "-1";
    view.xmax = "1";
    view.vert = "4";
    SetDecimalSeparator(',');
    QImage image = draw(view, kMarginFill);
    expectLabel(image, 159 - 3, 383, "-0,5"); // x = -0.5 at column 18 + 141
    SetDecimalSeparator('.');
    image = draw(view, kMarginFill);
    expectLabel(image, 159 - 3, 383, "-0.5");
}

class GridCountPixels : public GridPixels, public testing::WithParamInterface<const char*> {};

TEST_P(GridCountPixels, EmptyZeroOrNegativeCountGivesTwoLines) {
    ViewTexts view;
    view.vert = GetParam();
    view.hor = GetParam();
    const QImage image = draw(view);
    EXPECT_EQ(ColumnsWithColour(image, 100, 19, 580, kGrid), std::vector<int>{300});
    EXPECT_EQ(RowsWithColour(image, 100, 19, 380, kGrid), std::vector<int>{200});
}

INSTANTIATE_TEST_SUITE_P(Fields, GridCountPixels, testing::Values("", "0", "-3"));

TEST_F(GridPixels, CountThatIsNotAnIntegerStopsAfterTheFrame) {
    ViewTexts view;
    view.hor = "ten";
    QImage image = FilledImage(600, 400, kBackground);
    EXPECT_THROW(DrawGrid(image, view, kRed, kWhite), ConversionError);
    EXPECT_EQ(image.pixelColor(18, 18), kGrid);
    EXPECT_EQ(image.pixelColor(300, 100), kBackground); // no vertical line either
}

TEST_F(GridPixels, DenseGridStaysInsideTheFrame) {
    ViewTexts view;
    view.vert = "100";
    const QImage image = draw(view);
    EXPECT_EQ(ColumnsWithColour(image, 100, 583, 599, kGrid), std::vector<int>{});
    EXPECT_GT(ColumnsWithColour(image, 100, 19, 580, kGrid).size(), 90u);
}

TEST_F(GridPixels, LimitThatIsNotANumberOrAZeroSpanDrawsNothing) {
    ViewTexts view;
    view.ymax = "5,0";
    QImage image = FilledImage(600, 400, kMarginFill);
    EXPECT_THROW(DrawGrid(image, view, kRed, kWhite), ConversionError);
    view.ymax = "-5";
    EXPECT_THROW(DrawGrid(image, view, kRed, kWhite), ArithmeticError);
    EXPECT_EQ(test::CountColour(image, kMarginFill), 600 * 400);
}

} // namespace
} // namespace orvex
