// A table of values of a million rows, as saving it as CSV computes it (every x and value written as text),
// beside one evaluation of the same formula through the same evaluator: the table's cost per row against
// the evaluator's per sample. Also a million rows with the derivative column, and one screenful of rows at
// the end of the table, the work the panel does when it is scrolled there.
#include "NumberText.h"
#include "PreparedFormula.h"
#include "TableText.h"
#include "ValueTable.h"

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

namespace {

const char* const kFormula = "x^2+3.5*sin(x)";
const orvex::TableRange kMillionRows{-500, 499.999, 0.001L};

void oneEvaluation(benchmark::State& state) {
    orvex::SetDecimalSeparator('.');
    const orvex::PreparedFormula formula(kFormula);
    long double x = -500;
    for (auto _ : state) {
        long double y = 0;
        benchmark::DoNotOptimize(formula.valueAt(x, y));
        benchmark::DoNotOptimize(y);
        x += 0.001L;
    }
    state.SetItemsProcessed(state.iterations());
}

void millionRows(benchmark::State& state, bool derivative) {
    orvex::SetDecimalSeparator('.');
    const orvex::ValueTable table(kMillionRows, {kFormula}, derivative, '.');
    std::vector<std::string> titles(table.columnCount(), "t");
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        const bool written = orvex::WriteCsv(table, titles, [&bytes](std::string_view piece) {
            bytes += piece.size();
            return true;
        });
        benchmark::DoNotOptimize(written);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(table.rowCount()));
    state.counters["rows"] = static_cast<double>(table.rowCount());
    state.counters["bytes"] = static_cast<double>(bytes);
}

// 40 rows of x, f and f' at the end of the table.
void screenful(benchmark::State& state) {
    orvex::SetDecimalSeparator('.');
    const orvex::ValueTable table(kMillionRows, {kFormula}, true, '.');
    for (auto _ : state)
        for (std::size_t row = table.rowCount() - 40; row < table.rowCount(); ++row)
            for (std::size_t c = 0; c < table.columnCount(); ++c)
                benchmark::DoNotOptimize(table.text(row, c));
}

BENCHMARK(oneEvaluation);
BENCHMARK_CAPTURE(millionRows, values, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(millionRows, with_derivative, true)->Unit(benchmark::kMillisecond);
BENCHMARK(screenful)->Unit(benchmark::kMicrosecond);

} // namespace
