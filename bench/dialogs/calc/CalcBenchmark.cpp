// The longest calculation of the auxiliary-calculations dialog, the 20000-step integral of sin(x)*x^2
// from 0 to 10, against a plain SubstituteVariable + EvaluateExpression loop over the same samples.
// Both report the cost per sample ("per_sample", seconds), so the calculator's own overhead shows as
// the difference.
#include "Calculators.h"
#include "Evaluator.h"
#include "NumberText.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kSteps = 20000;
constexpr const char* kFormula = "sin(x)*x^2";

void SetPerSample(benchmark::State& state) {
    state.counters["per_sample"] =
        benchmark::Counter(static_cast<double>(kSteps) * state.iterations(),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Integral20000(benchmark::State& state) {
    orvex::SetDecimalSeparator('.');
    std::string label;
    for (auto _ : state) {
        label = orvex::CalculateIntegral(kFormula, "0", "10", kSteps);
        benchmark::DoNotOptimize(label);
    }
    state.SetLabel(label);
    SetPerSample(state);
}
BENCHMARK(BM_Integral20000)->Unit(benchmark::kMillisecond);

void BM_PlainSampleLoop(benchmark::State& state) {
    orvex::SetDecimalSeparator('.');
    std::string prepared = kFormula;
    orvex::PrepareFormula(prepared, "x");
    const long double h = 10.0L / kSteps;
    for (auto _ : state) {
        long double sum = 0;
        for (int i = 0; i < kSteps; ++i) {
            long double v = 0;
            const auto x = static_cast<double>(i * h);
            if (orvex::EvaluateExpression(orvex::SubstituteVariable(prepared, 'x', x), v))
                sum += v;
        }
        benchmark::DoNotOptimize(sum);
    }
    SetPerSample(state);
}
BENCHMARK(BM_PlainSampleLoop)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
