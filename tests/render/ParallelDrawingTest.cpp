// The curves of a redraw are sampled concurrently and drawn in list order: the picture must be the one
// that drawing them one after the other gives, pixel for pixel, also when a graph ends on an error.
#include "CurveGeometry.h"
#include "RenderTestSupport.h"
#include "SampleMemory.h"

#include <atomic>

namespace orvex::test {
namespace {

// The picture drawn graph after graph; an error ends the drawing after the graph that raised it.
QImage OneAfterAnother(QSize size, const ViewTexts& view, const std::vector<TGraphEntry>& graphs) {
    QImage image = FilledImage(size.width(), size.height(), Qt::white);
    try {
        for (const TGraphEntry& entry : graphs)
            PlotGraph(image, view, entry);
    } catch (const ArithmeticError&) {
    }
    return image;
}

QImage Concurrently(QSize size, const ViewTexts& view, const std::vector<TGraphEntry>& graphs) {
    QImage image = FilledImage(size.width(), size.height(), Qt::white);
    try {
        EXPECT_EQ(DrawCurves(image, ParseLimits(view), ResolveCurves(graphs)), CurvesResult::Completed);
    } catch (const ArithmeticError&) {
    }
    return image;
}

struct Case {
    const char* name;
    QSize size;
    ViewTexts view;
};

class ConcurrentCurves : public ::testing::TestWithParam<Case> {};

TEST_P(ConcurrentCurves, DrawTheSamePictureAsOneAfterAnother) {
    const Case& c = GetParam();
    std::vector<TGraphEntry> graphs = HundredAndOneGraphs();
    EXPECT_EQ(Concurrently(c.size, c.view, graphs), OneAfterAnother(c.size, c.view, graphs));
    // A graph that overflows half-way: drawn up to there, and nothing after it.
    graphs.insert(graphs.begin() + 50, TGraphEntry{"10^(x*2000)", 0x0000FF00u, true, 100, 2});
    const QImage stopped = Concurrently(c.size, c.view, graphs);
    EXPECT_EQ(stopped, OneAfterAnother(c.size, c.view, graphs));
    EXPECT_NE(stopped, Concurrently(c.size, c.view, HundredAndOneGraphs()));
}

INSTANTIATE_TEST_SUITE_P(Pictures, ConcurrentCurves,
                         ::testing::Values(Case{"full_hd", {1920, 1080}, {"-5", "5", "-5", "5"}},
                                           Case{"small_wide", {600, 400}, {"-20", "20", "-8", "8"}},
                                           Case{"wide_range", {1000, 700}, {"-40", "40", "-30", "30"}}),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// A redraw with the samples of earlier ones (the same view, other views along x and y, narrow views)
// draws the very picture a redraw without them draws, errors included.
TEST(RememberedSamples, GiveTheSamePicturesAsEvaluatingAgain) {
    std::vector<TGraphEntry> graphs = HundredAndOneGraphs();
    graphs.resize(40);
    graphs.push_back({"10^(x*2000)", 0x0000FF00u, true, 100, 2}); // overflows from x = 2.4716
    graphs.push_back({"x", 0x00FF0000u, true, 100, 1});
    const std::vector<PlotCurve> curves = ResolveCurves(graphs);
    SampleMemory memory;
    const auto draw = [&](const ViewTexts& view, SampleMemory* with) {
        QImage image = FilledImage(700, 500, Qt::white);
        std::string error;
        try {
            (void)DrawCurves(image, ParseLimits(view), curves, nullptr, with);
        } catch (const ArithmeticError& e) {
            error = e.what();
        }
        return std::pair{image, error};
    };
    for (const ViewTexts& view :
         {ViewTexts{"-5", "5", "-5", "5"}, ViewTexts{"-5", "5", "-5", "5"}, ViewTexts{"-6", "4", "-5", "5"},
          ViewTexts{"-7", "5", "-6", "6"}, ViewTexts{"-5.5", "4.5", "-5", "5"},
          ViewTexts{"-5", "5", "-5", "5"}, ViewTexts{"-2", "2", "-5", "5"},
          // Spans where the samples at the graphs' qualities lie beyond the join distance: sampled densely.
          ViewTexts{"0", "1", "-5", "5"}, ViewTexts{"0", "1", "-5", "5"}, ViewTexts{"0.5", "1.5", "-5", "5"},
          ViewTexts{"0", "1", "-5", "5"}}) {
        const auto fresh = draw(view, nullptr);
        const auto remembered = draw(view, &memory);
        EXPECT_EQ(remembered.first, fresh.first) << view.xmin << ".." << view.xmax;
        EXPECT_EQ(remembered.second, fresh.second) << view.xmin << ".." << view.xmax;
    }
}

TEST(ConcurrentCurvesControl, ACancelledDrawingSaysSo) {
    QImage image = FilledImage(600, 400, Qt::white);
    const std::atomic<bool> cancel{true};
    EXPECT_EQ(DrawCurves(image, ParseLimits(ViewTexts{}), ResolveCurves(HundredAndOneGraphs()), &cancel),
              CurvesResult::Cancelled);
}

} // namespace
} // namespace orvex::test
