// At one device pixel per logical pixel, without smoothing and where samples lie within the join distance,
// pictures stay byte for byte what they were before pictures could be drawn at other ratios, smoothed or
// sampled more densely: each is compared with the checksum of the picture the earlier code drew.
#include "CurveGeometry.h"
#include "RenderTestSupport.h"

#include <QCryptographicHash>
#include <QFontInfo>

namespace orvex::test {
namespace {

std::string Checksum(const QImage& image) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < image.height(); ++y)
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), 4 * image.width()));
    return hash.result().toHex().left(16).toStdString();
}

const std::vector<TGraphEntry> kMixed{
    {"sin(x)*4", 0x000000FF, true, 200, 2},  {"x^2/3-2", 0x00008000, true, 150, 1},
    {"1/x", 0x00FF0000, false, 200, 1},      {"tg(x)", 0x00808000, true, 100, 3},
    {"|x|^0.5*3", 0x00800080, true, 100, 0}, {"ln(|x|+1)*2", 0x80000008, true, 90, 5},
    {"2x", 0x00008080, false, 100, 4},       {"x/(x-1)*(x-1)-3", 0x00404040, true, 120, 1}};

struct Reference {
    const char* name;
    QSize size;
    ViewTexts view;
    std::vector<TGraphEntry> graphs;
    char separator;
    std::string curves;  // the curves alone on white
    std::string picture; // background, frame, grid, labels and curves
};

void PrintTo(const Reference& reference, std::ostream* out) {
    *out << reference.name;
}

class ReferencePictures : public ::testing::TestWithParam<Reference> {};

TEST_P(ReferencePictures, AreTheEarlierPicturesByteForByte) {
    const Reference& r = GetParam();
    QImage curves = FilledImage(r.size.width(), r.size.height(), Qt::white);
    try {
        (void)DrawCurves(curves, ParseLimits(r.view), ResolveCurves(r.graphs));
    } catch (const ArithmeticError&) {
    }
    EXPECT_EQ(Checksum(curves), r.curves);
    // The labels depend on the font: the checksums were made with the one the build's platform offers.
    if (QFontInfo(QFont()).family() != QStringLiteral("DejaVu Sans"))
        return;
    SetDecimalSeparator(r.separator);
    QImage picture(r.size, QImage::Format_RGB32);
    ViewTexts view = r.view;
    EXPECT_TRUE(RenderPicture(picture, view, 0x00C0C0C0, 0x00FFFFFF, r.graphs));
    EXPECT_EQ(Checksum(picture), r.picture);
    SetDecimalSeparator('.');
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, ReferencePictures, ::testing::Values(
    Reference{"default", {600, 400}, {}, kMixed, '.', "bae55b6a10c710a1", "fa92c68bda2a4566"},
    Reference{"full_hd", {1920, 1080}, {}, kMixed, '.', "f6d01e68ba4812b1", "2f7f48e427778d3d"},
    Reference{"odd_size_wide_view", {801, 577}, {"-20", "20", "-8", "8", "7", "3"}, kMixed, ',',
              "fcd53ab488643807", "b8c20a35f2115110"},
    Reference{"narrow_view", {600, 400}, {"0", "1", "-1", "1", "8", "4"}, kMixed, ',',
              "0f8ebfe11b6ded93", "e37fe60a2bb7bb4f"},
    Reference{"hundred_and_one", {1000, 700}, {"-40", "40", "-30", "30"}, HundredAndOneGraphs(), '.',
              "0099e44b35a7d038", "dcb280d0bd7e1290"},
    Reference{"dense_grid", {640, 480}, {"0", "1000", "-0.001", "0.001", "100", "33"}, {}, '.',
              "9075bd5bff66c268", "cf50c1704fa66240"},
    Reference{"half_pixels", {52, 52}, {"0", "8", "0", "8", "4", "4"}, {{"x", 0x00FF0000, false, 4, 1}}, '.',
              "6018433331bb4621", "4cac031299d72f0f"},
    Reference{"tall_and_thin", {37, 1200}, {"-5", "5", "-50", "50"}, kMixed, '.',
              "64e74cc2ebebaed0", "f763d34175ad7831"}),
    [](const ::testing::TestParamInfo<Reference>& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace orvex::test
