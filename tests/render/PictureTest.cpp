// The whole picture: limit repair, background fill and grid; system colours from the palette.
#include "PixelProbe.h"
#include "Renderer.h"

#include "NumberText.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

namespace orvex {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);

class Picture : public testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('\0'); }
};

TEST_F(Picture, FillsTheBackgroundAndDrawsTheGridForRepairedLimits) {
    QImage image = test::FilledImage(600, 400, Qt::black);
    ViewTexts view;
    view.xmin = "0";
    view.xmax = "0.5";
    ASSERT_TRUE(RenderPicture(image, view, 0x00FF0000, 0x0000FFFF, {}));
    EXPECT_EQ(view.xmax, "1");
    EXPECT_EQ(image.pixelColor(0, 0), kYellow);
    EXPECT_EQ(image.pixelColor(599, 399), kYellow);
    EXPECT_EQ(image.pixelColor(18, 18), kBlue);
    // Limits 0..1 with 10 lines: x = 0.5 at column 18 + 282.
    EXPECT_EQ(image.pixelColor(300, 100), kBlue);
}

TEST_F(Picture, LimitThatIsNotANumberLeavesThePictureAlone) {
    QImage image = test::FilledImage(60, 40, Qt::black);
    ViewTexts view;
    view.ymin = "-";
    const ViewTexts before = view;
    EXPECT_FALSE(RenderPicture(image, view, 0x00FF0000, 0x00FFFFFF, {}));
    EXPECT_EQ(view, before);
    EXPECT_EQ(test::CountColour(image, Qt::black), 60 * 40);
}

TEST_F(Picture, EmptyPictureIsNotAnError) {
    QImage image;
    ViewTexts view;
    EXPECT_TRUE(RenderPicture(image, view, 0, 0x00FFFFFF, {}));
}

TEST(SystemColours, ComeFromTheApplicationPalette) {
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(ColorFromValue(0x80000005), palette.color(QPalette::Active, QPalette::Base));
    EXPECT_EQ(ColorFromValue(0x80000008), palette.color(QPalette::Active, QPalette::Text));
    EXPECT_EQ(ColorFromValue(0x8000000D), palette.color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(ColorFromValue(0x8000000F), palette.color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(ColorFromValue(0x80000011), palette.color(QPalette::Disabled, QPalette::Text));
    EXPECT_EQ(ColorFromValue(0x80000019), QColor(Qt::black)); // unused index
}

} // namespace
} // namespace orvex
