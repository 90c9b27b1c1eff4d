// One study of a function of a 50-character formula over -5..5 at the sampling of orvex-cli (quality
// 100, 564 columns: 1001 samples), beside the special-points search of the same graph, which the study
// runs once among its passes; and the same study over -1E300..1E300, where every value is written out
// as text, to show that it stays bounded.
#include "FunctionStudy.h"
#include "SpecialPoints.h"

#include <benchmark/benchmark.h>

namespace {

// 50 characters; the evaluator reads x^3/(x-1)+(x+2)-sin(x)-(x^2+1) of it (a pole, two zeros, two
// extrema, two inflection points).
const char* const kFormula = "x^3/(x-1)+(x+2)-sin(x)-(x^2+1)/cos(x)+sin(x)/tg(x)";

orvex::AnalysisRange range(double half) {
    orvex::AnalysisRange r;
    r.xmin = -half;
    r.xmax = half;
    r.quality = 100;
    r.columns = 564;
    return r;
}

void study(benchmark::State& state, double half) {
    std::size_t facts = 0;
    for (auto _ : state) {
        const orvex::FunctionStudy s = orvex::StudyFunction(kFormula, range(half));
        facts = s.domain.size() + s.zeros.size() + s.minima.size() + s.maxima.size() + s.inflections.size() +
                s.verticals.size();
        benchmark::DoNotOptimize(s.complete);
    }
    state.counters["facts"] = static_cast<double>(facts);
}

void specialPoints(benchmark::State& state, double half) {
    const orvex::GraphFunction f = orvex::FormulaFunction(kFormula);
    for (auto _ : state) {
        const auto points = orvex::FindSpecialPoints(f, {}, range(half));
        benchmark::DoNotOptimize(points.data());
    }
}

BENCHMARK_CAPTURE(study, view, 5.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(specialPoints, view, 5.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(study, range_1E300, 1e300)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(specialPoints, range_1E300, 1e300)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
