// The cost of drawing: a full redraw (fill, grid, ten graphs at quality 200 over -10..10) on a
// 1920 x 1080 picture, against evaluating the same samples alone. After both have run, the program
// prints how much the drawing adds to the evaluation.
#include "Evaluator.h"
#include "NumberText.h"
#include "Renderer.h"

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

// The sampling loop of the curve plotter without the drawing: the same x values, the same calls.
long double EvaluateGraph(const TGraphEntry& entry, double xmin, double xmax, std::size_t& samples) {
    const long double step = 1.0L / entry.Quality;
    double x = static_cast<double>(xmin - step);
    std::string prepared = entry.Formula;
    PrepareFormula(prepared, "x");
    long double sum = 0;
    for (;;) {
        x = static_cast<double>(x + step);
        if (x > xmax)
            break;
        long double y = 0;
        if (EvaluateExpression(SubstituteVariable(prepared, 'x', x), y))
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
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond)->Repetitions(5);

// Remembers the least processor time per iteration that each benchmark took over its repetitions (the
// least disturbed by other work on the machine), to compare them at the end.
class OverheadReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                const double perIteration = run.cpu_accumulated_time / static_cast<double>(run.iterations);
                const auto [it, added] = times_.emplace(run.run_name.function_name, perIteration);
                if (!added && perIteration < it->second)
                    it->second = perIteration;
            }
        ConsoleReporter::ReportRuns(runs);
    }

    void printOverhead() const {
        const auto eval = times_.find("BM_EvaluationAlone");
        const auto redraw = times_.find("BM_FullRedraw");
        if (eval == times_.end() || redraw == times_.end() || eval->second <= 0)
            return;
        const double overhead = (redraw->second - eval->second) / eval->second * 100;
        std::printf("\nleast CPU time: evaluation alone %.2f ms, full redraw %.2f ms: drawing adds %.1f%% "
                    "(target: at most 30%%)\n",
                    eval->second * 1e3, redraw->second * 1e3, overhead);
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
