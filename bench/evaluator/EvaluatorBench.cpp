// Per-sample cost of the plot evaluator on its two paths, the text path (SubstituteVariable +
// EvaluateExpression on a prepared formula) and the compiled path (PreparedFormula::valueAt), beside
// muparser on the same expression and plain C++ computing it. A summary at the end gives both paths
// against muparser for every formula.
#include "Evaluator.h"
#include "PreparedFormula.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Formula {
    const char* ours;
    const char* muparser; // the same expression in muparser's function names
    double (*plain)(double);
};

const std::vector<Formula> kFormulas = {
    {"x^2+3.5*sin(x)", "x^2+3.5*sin(x)", [](double x) { return x * x + 3.5 * std::sin(x); }},
    {"sin(x)*cos(x)/(1+x^2)", "sin(x)*cos(x)/(1+x^2)",
     [](double x) { return std::sin(x) * std::cos(x) / (1 + x * x); }},
    {"sqrt(abs(x))-ln(x^2+1)", "sqrt(abs(x))-ln(x^2+1)",
     [](double x) { return std::sqrt(std::fabs(x)) - std::log(x * x + 1); }},
    {"tg(x)", "tan(x)", [](double x) { return std::tan(x); }},
    {"2^x-x^3/6", "2^x-x^3/6", [](double x) { return std::pow(2.0, x) - x * x * x / 6; }},
    {"sin(x)^2+cos(x)^2*ln(abs(x)+1)-sqrt(x^2+1)/ch(x/3)",
     "sin(x)^2+cos(x)^2*ln(abs(x)+1)-sqrt(x^2+1)/cosh(x/3)",
     [](double x) {
         const double s = std::sin(x);
         const double c = std::cos(x);
         return s * s + c * c * std::log(std::fabs(x) + 1) - std::sqrt(x * x + 1) / std::cosh(x / 3);
     }},
};

// The x of a plotting pass at quality 200 over [-10, 10].
const std::vector<double>& samples() {
    static const std::vector<double> xs = [] {
        std::vector<double> v;
        for (int i = 0; i <= 4000; ++i)
            v.push_back(-10.0 + i * 0.005);
        return v;
    }();
    return xs;
}

void benchText(benchmark::State& state, const Formula& f) {
    std::string prepared = f.ours;
    orvex::PrepareFormula(prepared, "x");
    const auto& xs = samples();
    std::size_t i = 0;
    for (auto _ : state) {
        long double y = 0;
        const bool ok = orvex::EvaluateExpression(orvex::SubstituteVariable(prepared, 'x', xs[i]), y);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(y);
        if (++i == xs.size())
            i = 0;
    }
}

void benchCompiled(benchmark::State& state, const Formula& f) {
    const orvex::PreparedFormula formula(f.ours);
    if (!formula.isCompiled()) {
        state.SkipWithError("the formula is not compiled");
        return;
    }
    const auto& xs = samples();
    std::size_t i = 0;
    for (auto _ : state) {
        long double y = 0;
        const bool ok = formula.valueAt(xs[i], y);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(y);
        if (++i == xs.size())
            i = 0;
    }
}

void benchMuparser(benchmark::State& state, const Formula& f) {
    double x = 0;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.SetExpr(f.muparser);
    const auto& xs = samples();
    std::size_t i = 0;
    for (auto _ : state) {
        x = xs[i];
        benchmark::DoNotOptimize(parser.Eval());
        if (++i == xs.size())
            i = 0;
    }
}

void benchPlain(benchmark::State& state, const Formula& f) {
    const auto& xs = samples();
    std::size_t i = 0;
    for (auto _ : state) {
        double x = xs[i];
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(f.plain(x));
        if (++i == xs.size())
            i = 0;
    }
}

// Prints the usual table, then per formula the four times and both paths against muparser.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nper sample, CPU ns: text / compiled / muparser / plain C++; "
                    "ratios text/muparser, compiled/muparser\n");
        for (const auto& f : kFormulas) {
            const double text = time("text/", f);
            const double compiled = time("compiled/", f);
            const double mu = time("muparser/", f);
            const double plain = time("plain/", f);
            std::printf("%-52s %8.1f %8.1f %8.1f %7.1f  %7.1f %6.1f\n", f.ours, text, compiled, mu, plain,
                        text / mu, compiled / mu);
        }
    }

  private:
    double time(const char* path, const Formula& f) const {
        const auto it = times_.find(path + std::string(f.ours));
        return it == times_.end() ? std::nan("") : it->second;
    }

    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv) {
    for (const auto& f : kFormulas) {
        benchmark::RegisterBenchmark((std::string("text/") + f.ours).c_str(), benchText, f)
            ->Unit(benchmark::kNanosecond);
        benchmark::RegisterBenchmark((std::string("compiled/") + f.ours).c_str(), benchCompiled, f)
            ->Unit(benchmark::kNanosecond);
        benchmark::RegisterBenchmark((std::string("muparser/") + f.ours).c_str(), benchMuparser, f)
            ->Unit(benchmark::kNanosecond);
        benchmark::RegisterBenchmark((std::string("plain/") + f.ours).c_str(), benchPlain, f)
            ->Unit(benchmark::kNanosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
