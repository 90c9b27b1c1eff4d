// Time per Differentiate call: typical graph formulas, a formula of the editor's full 50 characters,
// and formulas whose derivative nearly fills the node table.
#include "DiffExpress.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void Differentiate(benchmark::State& state, const std::string& formula) {
    const auto diff = std::make_unique<orvex::TDiffExpress>();
    diff->SetFormula(formula);
    std::string result;
    for (auto _ : state) {
        diff->Differentiate("x", result);
        benchmark::DoNotOptimize(result.data());
    }
    state.SetLabel(std::to_string(formula.size()) + " chars -> " + std::to_string(result.size()) + " chars");
}

// A sum of n names bracketed as a balanced tree: formula and derivative take 2n-1 nodes each.
std::string BalancedSum(int n) {
    return n == 1 ? "x" : "(" + BalancedSum(n / 2) + ")+(" + BalancedSum(n - n / 2) + ")";
}

// x+x+...+x: a left-deep tree n levels deep whose derivative text nests 2n brackets.
std::string SumOfX(int n) {
    std::string text = "x";
    for (int i = 1; i < n; ++i)
        text += "+x";
    return text;
}

// -(-(...-(x)...)): n minus signs, whose derivative text nests 2n brackets.
std::string MinusChain(int n) {
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "-(";
    return text + "x" + std::string(static_cast<std::size_t>(n), ')');
}

std::string NestedQuotients(int depth) {
    std::string text = "x";
    for (int i = 0; i < depth; ++i)
        text = "x/(" + text + ")";
    return text;
}

const std::string kFifty = "sin(x)*cos(2*x)/(x^2+1)-ln(abs(x)+1)*exp(-x)+x^0.5";
// The slowest 50-character formula found: a quotient chain whose derivative repeats every prefix.
const std::string kFiftyWorst = "x/x/x/x/x/x/x/x/x/x/x/x/x/x/x/x/x/x/x/x/x/x/x/x/x";

} // namespace

BENCHMARK_CAPTURE(Differentiate, square, std::string("x^2"));
BENCHMARK_CAPTURE(Differentiate, sin_times_square, std::string("sin(x)*x^2"));
BENCHMARK_CAPTURE(Differentiate, sqrt_of_sum, std::string("sqrt(x^2+1)"));
BENCHMARK_CAPTURE(Differentiate, fifty_characters, kFifty);
BENCHMARK_CAPTURE(Differentiate, fifty_characters_worst, kFiftyWorst);
BENCHMARK_CAPTURE(Differentiate, nested_quotients_47, NestedQuotients(47)); // 9025-character result
BENCHMARK_CAPTURE(Differentiate, balanced_sum_1250, BalancedSum(1250));     // 4998 of 5000 nodes
// Formulas longer than 64 characters run on a thread with a large stack of their own.
BENCHMARK_CAPTURE(Differentiate, sum_33_terms, SumOfX(33));           // 65 characters: the cost of the thread
BENCHMARK_CAPTURE(Differentiate, sum_1250_terms, SumOfX(1250));       // 1250 levels deep, 4998 nodes
BENCHMARK_CAPTURE(Differentiate, minus_chain_2499, MinusChain(2499)); // 5000 nodes, 5000 brackets deep

BENCHMARK_MAIN();
