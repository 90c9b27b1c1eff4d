// The cost of drawing: a full redraw (fill, grid, ten graphs at quality 200 over -10..10) on a
// 1920 x 1080 picture, against evaluating the same samples alone; and a full redraw of a document of 101
// graphs at quality 200 over -5..5 against the usual way of building a plotter (muparser's bytecode and
// QPainter lines), same picture size, same samples. After all have run, the program prints how much the
// drawing adds to the evaluation and how Orvex's redraw compares with the peer's.
#include "CurveGeometry.h"
#include "DevicePixels.h"
#include "NumberText.h"
#include "PeerPlotter.h"
#include "PreparedFormula.h"
#include "Renderer.h"
#include "SampleMemory.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace orvex;

const char* const kFormulas[] = {"sin(x)*5", "cos(x)*x",    "x^2/10",      "x^3/100", "1/x",
                                 "tg(x)",    "sqrt(|x|)*3", "ln(|x|+1)*2", "sh(x/4)", "|sin(2x)|*8-4"};

std::vector<TGraphEntry> Graphs() {
    std::vector<TGraphEntry> graphs;
    std::uint32_t colour = 0x00200000;
    for (const char* formula : kFormulas) {
        TGraphEntry entry;
        entry.Formula = formula;
        entry.Color = colour;
        entry.DrawLines = true;
        entry.Quality = 200;
        entry.LineWidth = 1;
        graphs.push_back(entry);
        colour += 0x00001830;
    }
    return graphs;
}

ViewTexts View() {
    ViewTexts view;
    view.xmin = "-10";
    view.xmax = "10";
    view.ymin = "-10";
    view.ymax = "10";
    return view;
}

// The sampling loop of the curve plotter without the drawing: the same x values, the same evaluator.
long double EvaluateGraph(const TGraphEntry& entry, double xmin, double xmax, std::size_t& samples) {
    const long double step = 1.0L / entry.Quality;
    double x = static_cast<double>(xmin - step);
    const PreparedFormula formula(entry.Formula);
    long double sum = 0;
    for (;;) {
        x = static_cast<double>(x + step);
        if (x > xmax)
            break;
        long double y = 0;
        if (formula.valueAt(x, y))
            sum += y;
        ++samples;
    }
    return sum;
}

void BM_EvaluationAlone(benchmark::State& state) {
    const std::vector<TGraphEntry> graphs = Graphs();
    std::size_t samples = 0;
    for (auto _ : state) {
        samples = 0;
        for (const TGraphEntry& entry : graphs)
            benchmark::DoNotOptimize(EvaluateGraph(entry, -10, 10, samples));
    }
    state.counters["samples"] = static_cast<double>(samples);
}
BENCHMARK(BM_EvaluationAlone)->Unit(benchmark::kMillisecond)->Repetitions(5);

// 101 graphs: ten shapes in both syntaxes, shifted up by 0.1 per copy.
struct Shape {
    const char* ours;
    const char* muparser;
};
constexpr Shape kShapes[] = {
    {"sin(x)*3", "sin(x)*3"},
    {"cos(x)*x/2", "cos(x)*x/2"},
    {"x^2/5-4", "x^2/5-4"},
    {"x^3/30", "x^3/30"},
    {"1/x", "1/x"},
    {"tg(x)", "tan(x)"},
    {"sqrt(abs(x))*2", "sqrt(abs(x))*2"},
    {"ln(abs(x)+1)*2", "ln(abs(x)+1)*2"},
    {"sh(x/2)", "sinh(x/2)"},
    {"abs(sin(2*x))*4-2", "abs(sin(2*x))*4-2"},
};

std::vector<TGraphEntry> HundredAndOne() {
    std::vector<TGraphEntry> graphs;
    for (int i = 0; i < 101; ++i) {
        const Shape& shape = kShapes[i % 10];
        graphs.push_back({std::string(shape.ours) + "+" + NumberText(i / 10 * 0.1L, 15, '.'),
                          0x00102030u * static_cast<std::uint32_t>(i + 1) & 0x00FFFFFFu, true, 200, 1});
    }
    return graphs;
}

std::vector<bench::PeerGraph> HundredAndOneForThePeer() {
    std::vector<bench::PeerGraph> graphs;
    for (const TGraphEntry& entry : HundredAndOne()) {
        const std::size_t plus = entry.Formula.rfind('+');
        const Shape* shape = nullptr;
        for (const Shape& s : kShapes)
            if (entry.Formula.compare(0, plus, s.ours) == 0)
                shape = &s;
        graphs.push_back({std::string(shape->muparser) + entry.Formula.substr(plus),
                          ColorFromValue(entry.Color), entry.Quality});
    }
    return graphs;
}

void BM_Redraw101(benchmark::State& state) {
    const std::vector<TGraphEntry> graphs = HundredAndOne();
    QImage bitmap(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        ViewTexts view;
        if (!RenderPicture(bitmap, view, 0x00C0C0C0, 0x00FFFFFF, graphs))
            state.SkipWithError("limits not accepted");
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Redraw101)->Unit(benchmark::kMillisecond)->Repetitions(5)->UseRealTime();

// The same redraw on a screen scaled by 2 (four times the pixels) and with smoothing.
void BM_Redraw101Styled(benchmark::State& state, qreal ratio, bool smooth) {
    const std::vector<TGraphEntry> graphs = HundredAndOne();
    QImage bitmap = MakePicture({1920, 1080}, ratio);
    for (auto _ : state) {
        ViewTexts view;
        if (!RenderPicture(bitmap, view, 0x00C0C0C0, 0x00FFFFFF, graphs, smooth))
            state.SkipWithError("limits not accepted");
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(BM_Redraw101Styled, at_ratio_2, 2.0, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Redraw101Styled, smoothed, 1.0, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Redraw101Styled, smoothed_at_ratio_2, 2.0, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->UseRealTime();

// Redraws as the window makes them, with the memory of the samples of the redraw before, alternating
// between the default view and `other`. The same view again (a check mark, a colour, a resize, a view
// command along y) finds every sample in the memory; a view moved along x (MoveLeft and MoveRight in turn)
// samples other x, so the memory has nothing to give and this costs what keeping it costs.
void BM_Redraw101Remembering(benchmark::State& state, const ViewTexts& other) {
    const std::vector<PlotCurve> curves = ResolveCurves(HundredAndOne());
    const PictureColours colours = ResolvePictureColours(0x00C0C0C0, 0x00FFFFFF);
    QImage bitmap(1920, 1080, QImage::Format_RGB32);
    SampleMemory memory;
    const ViewTexts views[2] = {ViewTexts{}, other};
    (void)DrawCurves(bitmap, ParseLimits(views[0]), curves, nullptr, &memory); // the redraw before
    int turn = 1;
    for (auto _ : state) {
        const ViewTexts& view = views[turn];
        turn = 1 - turn;
        bitmap.fill(colours.background);
        DrawGrid(bitmap, view, colours);
        (void)DrawCurves(bitmap, ParseLimits(view), curves, nullptr, &memory);
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(BM_Redraw101Remembering, again, ViewTexts{})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Redraw101Remembering, moved_along_x, ViewTexts{"-6", "4", "-5", "5"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->UseRealTime();

void BM_Peer101(benchmark::State& state) {
    const std::vector<bench::PeerGraph> graphs = HundredAndOneForThePeer();
    QImage bitmap(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        bench::PeerRedraw(bitmap, ViewTexts{}, graphs);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Peer101)->Unit(benchmark::kMillisecond)->Repetitions(5)->UseRealTime();

void BM_FullRedraw(benchmark::State& state) {
    const std::vector<TGraphEntry> graphs = Graphs();
    QImage bitmap(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        ViewTexts view = View();
        if (!RenderPicture(bitmap, view, 0x00C0C0C0, 0x00FFFFFF, graphs))
            state.SkipWithError("limits not accepted");
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond)->Repetitions(5)->UseRealTime();

// Remembers the least processor time per iteration that each benchmark took over its repetitions (the
// least disturbed by other work on the machine), to compare them at the end.
class OverheadReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                // Processor time for the single-threaded pair; wall time for the 101-graph redraws, which
                // use every processor.
                const bool wall = run.run_name.function_name != "BM_EvaluationAlone";
                const double perIteration = (wall ? run.real_accumulated_time : run.cpu_accumulated_time) /
                                            static_cast<double>(run.iterations);
                const auto [it, added] = times_.emplace(run.run_name.function_name, perIteration);
                if (!added && perIteration < it->second)
                    it->second = perIteration;
            }
        ConsoleReporter::ReportRuns(runs);
    }

    void printOverhead() const {
        const auto eval = times_.find("BM_EvaluationAlone");
        const auto redraw = times_.find("BM_FullRedraw");
        if (eval != times_.end() && redraw != times_.end() && eval->second > 0)
            std::printf(
                "\nevaluation alone (one thread, CPU) %.2f ms, full redraw (sampling on every processor, "
                "wall) %.2f ms\n",
                eval->second * 1e3, redraw->second * 1e3);
        const auto peer = times_.find("BM_Peer101");
        if (peer == times_.end() || peer->second <= 0)
            return;
        std::printf(
            "101 graphs at quality 200 over -5..5, 1920x1080, least wall time; muparser + QPainter %.1f ms\n",
            peer->second * 1e3);
        for (const auto& [name, what] :
             {std::pair{"BM_Redraw101", "first redraw"},
              std::pair{"BM_Redraw101Remembering/moved_along_x", "move along x"},
              std::pair{"BM_Redraw101Remembering/again", "redraw again"},
              std::pair{"BM_Redraw101Styled/at_ratio_2", "at ratio 2"},
              std::pair{"BM_Redraw101Styled/smoothed", "smoothed"},
              std::pair{"BM_Redraw101Styled/smoothed_at_ratio_2", "smoothed at 2"}}) {
            const auto ours = times_.find(name);
            if (ours != times_.end())
                std::printf("  Orvex, %-13s %6.1f ms: ratio %.2f (below 1: Orvex is faster)\n", what,
                            ours->second * 1e3, ours->second / peer->second);
        }
    }

  private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the grid labels need fonts
    SetDecimalSeparator('.');
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    OverheadReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printOverhead();
    benchmark::Shutdown();
    return 0;
}
