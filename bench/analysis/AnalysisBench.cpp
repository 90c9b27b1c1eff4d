// The special-point search of one graph, alone and against 100 others, over -5..5 at quality 200 and
// 1900 picture columns (2001 samples per graph); beside it, for scale, the cost of only evaluating the
// same samples. The counters give the points found and the evaluator calls made per search.
#include "SpecialPoints.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

const char* const kGraph = "x^2+3.5*sin(x)";

// Lines, parabolas, shifted sines and cosines, constants: each meets the graph zero to a few times.
std::vector<std::string> otherFormulas() {
    std::vector<std::string> formulas;
    for (int k = 0; k < 100; ++k) {
        const std::string c = std::to_string((k % 25) / 5.0 - 2.4).substr(0, 5);
        switch (k % 4) {
        case 0:
            formulas.push_back("sin(x)*3+" + c);
            break;
        case 1:
            formulas.push_back("0.7*x+" + c);
            break;
        case 2:
            formulas.push_back("x^2/4-3+" + c);
            break;
        default:
            formulas.push_back("2*cos(2*x)+" + c);
            break;
        }
    }
    return formulas;
}

orvex::AnalysisRange wideView() {
    orvex::AnalysisRange range;
    range.xmin = -5;
    range.xmax = 5;
    range.quality = 200;
    range.columns = 1900;
    return range;
}

// Wraps a formula so that its evaluator calls are counted.
orvex::GraphFunction counted(const std::string& formula, std::size_t& calls) {
    return [f = orvex::FormulaFunction(formula), &calls](double x, long double& y) {
        ++calls;
        return f(x, y);
    };
}

void search(benchmark::State& state, std::size_t otherCount) {
    std::size_t calls = 0;
    const orvex::GraphFunction f = counted(kGraph, calls);
    std::vector<orvex::GraphFunction> others;
    const auto formulas = otherFormulas();
    for (std::size_t k = 0; k < otherCount; ++k)
        others.push_back(counted(formulas[k], calls));
    std::size_t points = 0;
    for (auto _ : state) {
        const auto found = orvex::FindSpecialPoints(f, others, wideView());
        points = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["points"] = static_cast<double>(points);
    state.counters["calls"] = static_cast<double>(calls) / static_cast<double>(state.iterations());
}

// Only the evaluations of the sampling pass, the floor under any search.
void samplesOnly(benchmark::State& state, std::size_t otherCount) {
    std::vector<orvex::GraphFunction> graphs = {orvex::FormulaFunction(kGraph)};
    const auto formulas = otherFormulas();
    for (std::size_t k = 0; k < otherCount; ++k)
        graphs.push_back(orvex::FormulaFunction(formulas[k]));
    const orvex::AnalysisRange range = wideView();
    constexpr int kIntervals = 2000; // max(10 * 200, 1900)
    for (auto _ : state) {
        for (const auto& g : graphs) {
            for (int i = 0; i <= kIntervals; ++i) {
                long double y = 0;
                benchmark::DoNotOptimize(g(range.xmin + (range.xmax - range.xmin) * i / kIntervals, y));
                benchmark::DoNotOptimize(y);
            }
        }
    }
    state.counters["calls"] = static_cast<double>(graphs.size() * (kIntervals + 1));
}

// An extreme view: x in 48 brackets over -1E300..0, where every evaluation writes numbers beyond 2^60
// as text (some 20 us each), alone and with four copies as other graphs, at the 564 columns of
// orvex-cli and at 1900; beside it the evaluations of one drawing pass over that view (100001 samples),
// which is what a search used to take for each graph.
const char* const kBrackets = "((((((((((((((((((((((((x))))))))))))))))))))))))";

void extremeSearch(benchmark::State& state, std::size_t otherCount, int columns) {
    const orvex::GraphFunction f = orvex::FormulaFunction(kBrackets);
    const std::vector<orvex::GraphFunction> others(otherCount, f);
    orvex::AnalysisRange range;
    range.xmin = -1e300;
    range.xmax = 0;
    range.quality = 100;
    range.columns = columns;
    for (auto _ : state)
        benchmark::DoNotOptimize(orvex::FindSpecialPoints(f, others, range).size());
}

void extremeDrawingSamples(benchmark::State& state) {
    const orvex::GraphFunction f = orvex::FormulaFunction(kBrackets);
    constexpr int kSamples = 100000;
    for (auto _ : state) {
        for (int i = 0; i <= kSamples; ++i) {
            long double y = 0;
            benchmark::DoNotOptimize(f(-1e300 + 1e300 * i / kSamples, y));
            benchmark::DoNotOptimize(y);
        }
    }
}

BENCHMARK_CAPTURE(extremeSearch, alone_564_columns, 0, 564)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(extremeSearch, alone_1900_columns, 0, 1900)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(extremeSearch, with_4_others_564_columns, 4, 564)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(extremeDrawingSamples)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(search, alone, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(samplesOnly, alone, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, with_100_others, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(samplesOnly, with_100_others, 100)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
