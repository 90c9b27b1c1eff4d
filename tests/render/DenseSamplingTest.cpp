// Where the samples of a graph at its quality would lie farther apart than the join distance (a narrow
// view, a wide picture, a low quality), the graph is sampled densely enough to be drawn as one curve,
// while poles and jumps stay open.
#include "CurveGeometry.h"
#include "RenderTestSupport.h"

#include <algorithm>
#include <tuple>

namespace orvex::test {
namespace {

const QColor kBlue(Qt::blue), kWhite(Qt::white);

struct Sparse {
    const char* name;
    QSize size;
    ViewTexts view;
    const char* formula;
    int quality;
};

void PrintTo(const Sparse& sparse, std::ostream* out) {
    *out << sparse.name;
}

class SparseSamples : public ::testing::TestWithParam<Sparse> {};

// Every sample inside the limits joins the one before it, in line and in point mode, and the lines
// leave no column of the plot rectangle empty.
TEST_P(SparseSamples, DrawOneContinuousCurve) {
    const Sparse& c = GetParam();
    for (const bool lines : {true, false}) {
        const TGraphEntry entry{c.formula, 0x00FF0000, lines, c.quality, 1};
        const CurveGeometry geometry = SampleCurve(entry, c.size, ParseLimits(c.view));
        ASSERT_GT(geometry.points.size(), 100u);
        EXPECT_EQ(std::count(geometry.joined.begin(), geometry.joined.end(), false), 1) << lines;
        if (!lines)
            continue;
        QImage image = FilledImage(c.size.width(), c.size.height(), kWhite);
        PlotGraph(image, c.view, entry);
        // From the first sample to the last one, which lies up to a step before XMax.
        EXPECT_GE(geometry.points.back().x(), c.size.width() - 18 - 4);
        for (int x = 18; x < geometry.points.back().x(); ++x)
            ASSERT_FALSE(RowsWithColour(image, x, 0, c.size.height() - 1, kBlue).empty()) << "column " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Views, SparseSamples,
    ::testing::Values(Sparse{"span_1_quality_100", {1600, 500}, {"0", "1", "-1", "1"}, "sin(x)", 100},
                      Sparse{"span_1_quality_200", {1600, 500}, {"0", "1", "-1", "1"}, "sin(x)", 200},
                      Sparse{"quality_1_default_view", {600, 400}, {}, "sin(x)", 1},
                      Sparse{"just_beyond_the_join_distance", {600, 400}, {}, "x/2", 8}),
    [](const ::testing::TestParamInfo<Sparse>& info) { return std::string(info.param.name); });

// Sampled densely, a pole, a jump and the branches of tg(x) are still not joined across.
TEST(DenseSamples, KeepPolesAndJumpsOpen) {
    for (const auto& [formula, column, width] :
         {std::tuple{"1/x", 300, 1}, std::tuple{"|x|/x*3", 300, 1}, std::tuple{"tg(x)", 377, 24}}) {
        QImage image = FilledImage(600, 400, kWhite);
        PlotGraph(image, ViewTexts{}, {formula, 0x00FF0000, true, 1, 1});
        EXPECT_GT(CountColour(image, kBlue), 200) << formula;
        EXPECT_EQ(CountColour(image.copy(column, 0, width, 400), kBlue), 0) << formula;
    }
}

} // namespace
} // namespace orvex::test
