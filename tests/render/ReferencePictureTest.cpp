// Pictures at one device pixel per logical pixel stay byte for byte what they were before pictures could
// be drawn at other ratios, smoothed, or sampled more densely where samples lie far apart: each picture of
// the table is compared with the checksum of the one drawn by that earlier code.
#include "CurveGeometry.h"
#include "RenderTestSupport.h"

#include <QCryptographicHash>
#include <QFontInfo>

#include <string>
#include <vector>

namespace orvex::test {
namespace {

std::string Checksum(const QImage& image) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < image.height(); ++y)
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), 4 * image.width()));
    return hash.result().toHex().left(16).toStdString();
}

// Graphs of every kind whose samples lie within the join distance at the sizes below: joined lines of
// several widths, points, poles, jumps, system and explicit colours.
std::vector<TGraphEntry> MixedGraphs() {
    return {{"sin(x)*4", 0x000000FF, true, 200, 2},  {"x^2/3-2", 0x00008000, true, 150, 1},
            {"1/x", 0x00FF0000, false, 200, 1},      {"tg(x)", 0x00808000, true, 100, 3},
            {"|x|^0.5*3", 0x00800080, true, 100, 0}, {"ln(|x|+1)*2", 0x80000008, true, 90, 5},
            {"2x", 0x00008080, false, 100, 4},       {"x/(x-1)*(x-1)-3", 0x00404040, true, 120, 1}};
}

std::vector<TGraphEntry> HundredAndOneGraphs() {
    const char* const formulas[] = {"sin(x)*5", "cos(x)*x",      "x^2/10",      "x^3/100", "1/x",
                                    "tg(x)",    "|x|^0.5*3",     "ln(|x|+1)*2", "sh(x/4)", "|sin(2x)|*8-4",
                                    "2x",       "arcsin(x/5)*3", "x^(-2)",      "sqrt(x)", "-x:3"};
    std::vector<TGraphEntry> graphs;
    for (int i = 0; i < 101; ++i)
        graphs.push_back({std::string(formulas[i % std::size(formulas)]) + "+" + std::to_string(i / 15),
                          0x00102030u * static_cast<std::uint32_t>(i + 1) & 0x00FFFFFFu, i % 4 != 0,
                          50 + 37 * (i % 5), i % 6});
    return graphs;
}

struct Reference {
    const char* name;
    QSize size;
    ViewTexts view;
    std::vector<TGraphEntry> graphs;
    bool comma = false;
    std::string curves;  // the curves alone on a white picture
    std::string picture; // background, frame, grid, labels and curves
};

const std::vector<Reference>& References() {
    const std::vector<TGraphEntry> mixed = MixedGraphs();
    // clang-format off
    static const std::vector<Reference> references{
        {"default", {600, 400}, {}, mixed, false, "bae55b6a10c710a1", "fa92c68bda2a4566"},
        {"full_hd", {1920, 1080}, {}, mixed, false, "f6d01e68ba4812b1", "2f7f48e427778d3d"},
        {"odd_size_wide_view", {801, 577}, {"-20", "20", "-8", "8", "7", "3"}, mixed, true,
         "fcd53ab488643807", "b8c20a35f2115110"},
        {"narrow_view", {600, 400}, {"0", "1", "-1", "1", "8", "4"}, mixed, true,
         "0f8ebfe11b6ded93", "e37fe60a2bb7bb4f"},
        {"hundred_and_one", {1000, 700}, {"-40", "40", "-30", "30"}, HundredAndOneGraphs(), false,
         "0099e44b35a7d038", "dcb280d0bd7e1290"},
        {"dense_grid", {640, 480}, {"0", "1000", "-0.001", "0.001", "100", "33"}, {}, false,
         "9075bd5bff66c268", "cf50c1704fa66240"},
        {"half_pixels", {52, 52}, {"0", "8", "0", "8", "4", "4"}, {{"x", 0x00FF0000, false, 4, 1}}, false,
         "6018433331bb4621", "4cac031299d72f0f"},
        {"tall_and_thin", {37, 1200}, {"-5", "5", "-50", "50"}, mixed, false,
         "64e74cc2ebebaed0", "f763d34175ad7831"},
    };
    // clang-format on
    return references;
}

void PrintTo(const Reference& reference, std::ostream* out) {
    *out << reference.name;
}

class ReferencePictures : public ::testing::TestWithParam<Reference> {};

TEST_P(ReferencePictures, AtRatioOneAreTheEarlierPicturesByteForByte) {
    const Reference& r = GetParam();
    if (r.comma)
        SetDecimalSeparator(',');
    QImage curves = FilledImage(r.size.width(), r.size.height(), Qt::white);
    try {
        (void)DrawCurves(curves, ParseLimits(r.view), ResolveCurves(r.graphs));
    } catch (const ArithmeticError&) {
    }
    EXPECT_EQ(Checksum(curves), r.curves);
    // The labels depend on the font: the checksums were made with the one the build's platform offers.
    if (QFontInfo(QFont()).family() == QStringLiteral("DejaVu Sans")) {
        QImage picture(r.size, QImage::Format_RGB32);
        ViewTexts view = r.view;
        EXPECT_TRUE(RenderPicture(picture, view, 0x00C0C0C0, 0x00FFFFFF, r.graphs));
        EXPECT_EQ(Checksum(picture), r.picture);
    }
    SetDecimalSeparator('.');
}

INSTANTIATE_TEST_SUITE_P(Table, ReferencePictures, ::testing::ValuesIn(References()),
                         [](const ::testing::TestParamInfo<Reference>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace orvex::test
