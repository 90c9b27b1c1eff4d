// orvex-cli eval: the plot evaluator at given points, one line per point.
#include "ArithmeticError.h"
#include "CliCommand.h"
#include "NumberText.h"
#include "PreparedFormula.h"

#include <cstdio>
#include <string>
#include <vector>

namespace orvex::cli {

namespace {

// The line for one point: the value, "no value", or "error: MESSAGE" for an arithmetic fault.
std::string evaluateAt(const PreparedFormula& formula, long double x) {
    long double value = 0;
    try {
        if (!formula.valueAt(x, value))
            return "no value";
        return NumberText(value, 15);
    } catch (const ArithmeticError& e) {
        return std::string("error: ") + e.what();
    }
}

int runEval(CommandArgs& args) {
    TakeDecimalSeparator(args);
    if (args.size() < 2)
        throw UsageError("needs a formula and at least one x");
    // Every x is checked before anything is printed.
    std::vector<long double> xs;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const auto x = ReadNumber(args[i]);
        if (!x)
            throw UsageError("'" + args[i] + "' is not a number");
        xs.push_back(*x);
    }
    const PreparedFormula formula(args[0]);
    for (const long double x : xs)
        std::printf("%s\n", evaluateAt(formula, x).c_str());
    return 0;
}

const CommandRegistrar registrar({"eval", "eval [--decimal-separator C] FORMULA X...", runEval});

} // namespace

} // namespace orvex::cli
