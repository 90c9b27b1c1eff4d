// Pictures at more device pixels than logical ones (a scaled screen, a scaled export): the geometry stays
// in logical pixels while lines, points and text are drawn at the device's resolution; and smoothing.
#include "DevicePixels.h"
#include "CurveGeometry.h"
#include "RenderTestSupport.h"

#include <algorithm>
#include <set>

namespace orvex::test {
namespace {

const QColor kBlue(Qt::blue), kRed(Qt::red);
const TGraphEntry kLine{"x", 0x00FF0000, true, 100, 1};

// The grid in red on white with the graphs in their colours, 600 x 400 logical pixels at `ratio`.
QImage Picture(qreal ratio, const std::vector<TGraphEntry>& graphs, bool smooth = false) {
    QImage image = MakePicture({600, 400}, ratio);
    ViewTexts view;
    EXPECT_TRUE(RenderPicture(image, view, 0x000000FF, 0x00FFFFFF, graphs, smooth));
    return image;
}

class Ratios : public ::testing::TestWithParam<qreal> {};

// The frame and every grid line cover the device pixels of the logical pixels they cover at ratio 1; a
// sloped line is about one logical pixel thick where the logical one lies, leaving no device column empty.
TEST_P(Ratios, LinesCoverTheDevicePixelsOfTheirLogicalPixels) {
    const qreal ratio = GetParam();
    const DevicePixels device(ratio);
    const QImage logical = Picture(1, {kLine});
    const QImage image = Picture(ratio, {kLine});
    ASSERT_EQ(image.size(), QSize(600, 400) * ratio);
    EXPECT_EQ(LogicalSize(image), QSize(600, 400));
    const auto expand = [&](const std::vector<int>& pixels) {
        std::vector<int> covered;
        for (const int k : pixels)
            for (int d = device.edge(k); d < device.edge(k + 1); ++d)
                covered.push_back(d);
        return covered;
    };
    EXPECT_EQ(ColumnsWithColour(image, device.edge(100), 0, image.width() - 1, kRed),
              expand(ColumnsWithColour(logical, 100, 0, 599, kRed)));
    EXPECT_EQ(RowsWithColour(image, device.edge(100), 0, image.height() - 1, kRed),
              expand(RowsWithColour(logical, 100, 0, 399, kRed)));
    for (int x = device.edge(19); x < device.edge(581); ++x) {
        const std::vector<int> rows = RowsWithColour(image, x, 0, image.height() - 1, kBlue);
        ASSERT_FALSE(rows.empty()) << "column " << x;
        EXPECT_LE(rows.size(), static_cast<std::size_t>(std::ceil(2 * ratio)) + 1) << x;
        const std::vector<int> near = RowsWithColour(logical, static_cast<int>(x / ratio), 0, 399, kBlue);
        EXPECT_NEAR(rows.front() / ratio, near.at(0), 2.0) << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Scaled, Ratios, ::testing::Values(1.25, 1.5, 2.0, 3.0));

// At ratio 2 the edges of curves and labels fall on single device pixels: unlike the logical picture
// enlarged, the picture has aligned 2 x 2 blocks of more than one colour.
TEST(DevicePixels, AtRatioTwoEdgesAreSingleDevicePixels) {
    const std::vector<TGraphEntry> graphs{kLine, {"sin(x)*4", 0x00FF0000, true, 100, 2}};
    const auto mixedBlocks = [](const QImage& image, QRect logical) {
        int mixed = 0;
        for (int y = logical.top(); y <= logical.bottom(); ++y)
            for (int x = logical.left(); x <= logical.right(); ++x) {
                const QRgb first = image.pixel(2 * x, 2 * y);
                mixed += image.pixel(2 * x + 1, 2 * y) != first || image.pixel(2 * x, 2 * y + 1) != first ||
                         image.pixel(2 * x + 1, 2 * y + 1) != first;
            }
        return mixed;
    };
    const QImage image = Picture(2, graphs);
    EXPECT_EQ(mixedBlocks(Picture(1, graphs).scaled(1200, 800), {0, 0, 600, 400}), 0);
    EXPECT_GT(mixedBlocks(image, {19, 19, 562, 362}), 500); // the curves
    EXPECT_GT(mixedBlocks(image, {0, 383, 600, 17}), 50);   // the labels below the frame
}

// Which samples are joined is decided in logical pixels: poles and jumps open up alike at every ratio.
TEST(DevicePixels, StretchesDoNotDependOnTheRatio) {
    for (const char* formula : {"tg(x)", "|x|/x*3"}) {
        const auto stretches = [&](qreal ratio) {
            const CurveGeometry geometry = SampleCurve({formula, 0, true, 100, 1}, {600, 400},
                                                       ParseLimits(ViewTexts{}), {}, nullptr, {ratio, false});
            return std::count(geometry.joined.begin(), geometry.joined.end(), false);
        };
        EXPECT_GT(stretches(1), 1) << formula;
        EXPECT_EQ(stretches(2), stretches(1)) << formula;
        EXPECT_EQ(stretches(1.5), stretches(1)) << formula;
    }
}

// A point is a square of one logical pixel on the device; the first point of a stretch is not drawn.
TEST(DevicePixels, PointsAreSquaresOfOneLogicalPixel) {
    // 68 x 68 logical pixels, limits 0..8, samples every 0.25: the sample at x = 0, logical pixel (18, 50),
    // starts the stretch; the one at 0.25 lies on logical pixel (19, 49).
    QImage image = MakePicture({68, 68}, 2);
    image.fill(Qt::white);
    PlotGraph(image, {"0", "8", "0", "8"}, {"x", 0x00FF0000, false, 4, 1});
    EXPECT_EQ(ColumnsWithColour(image, 98, 30, 42, kBlue), (std::vector<int>{38, 39}));
    EXPECT_EQ(RowsWithColour(image, 38, 90, 102, kBlue), (std::vector<int>{98, 99}));
    EXPECT_EQ(image.pixelColor(36, 100), QColor(Qt::white));
}

// Smoothing draws the curves antialiased, in shades between the curve's colour and the background, on
// the pixels of the plain curve.
TEST(Smoothing, AntialiasesCurvesOnThePlainCurvesPixels) {
    for (const qreal ratio : {1.0, 2.0}) {
        const DevicePixels device(ratio);
        const QImage plain = Picture(ratio, {kLine});
        const QImage smooth = Picture(ratio, {kLine}, true);
        const auto shades = [&](const QImage& image) {
            std::set<QRgb> colours;
            for (int y = device.edge(100); y < device.edge(300); ++y)
                for (int x = device.edge(200); x < device.edge(400); ++x)
                    colours.insert(image.pixel(x, y));
            return colours.size();
        };
        EXPECT_LE(shades(plain), 3u) << ratio; // white, blue, red
        EXPECT_GT(shades(smooth), 10u) << ratio;
        for (int x = device.edge(100); x < device.edge(500); x += 7) {
            // The bluest pixel of the column inside the frame, the red grid left aside.
            const auto whiteness = [&](int y) {
                const QRgb pixel = smooth.pixel(x, y);
                return qBlue(pixel) < 255 ? 511 : qRed(pixel) + qGreen(pixel);
            };
            int bluest = device.edge(19);
            for (int y = bluest; y < device.edge(381); ++y)
                bluest = whiteness(y) < whiteness(bluest) ? y : bluest;
            const std::vector<int> rows = RowsWithColour(plain, x, 0, plain.height() - 1, kBlue);
            ASSERT_FALSE(rows.empty());
            EXPECT_TRUE(bluest >= rows.front() - 1 && bluest <= rows.back() + 1) << x;
        }
    }
}

} // namespace
} // namespace orvex::test
