#pragma once

#include <functional>
#include <string>

namespace orvex {

// y at x through the plot evaluator: false where there is no value; an arithmetic fault throws
// ArithmeticError, as the evaluator raises it.
using EvaluatorFunction = std::function<bool(double x, long double& y)>;

// A graph's formula (Windows-1251, at most 50 characters are read, as for a graph) through the plot
// evaluator, prepared once with the decimal separator in force. May be called from several threads.
[[nodiscard]] EvaluatorFunction EvaluatorOf(const std::string& formula);

// The derivative of a graph as the table of values and the study of a function use it.
//
// The formula is handed to the differentiation component in that component's language: blanks dropped,
// Latin letters in lower case, "," as "." and ":" as "/", and |...| as abs(...) paired from the left, as
// the plot evaluator reads them (so X^2 is differentiated as the x^2 the picture shows); of a formula whose
// prepared text the evaluator cuts at 50 characters, only the part it reads (FormulaAsRead.h). When the
// component gives a derivative whose text the plot evaluator reads whole (at most 50 characters, and only
// names it knows: no sgn or exp), the values are the evaluator's on that text (Symbolic). Otherwise they are
// central differences of the graph's own values (Numeric): step 1e-5 of max(1, |x|) for f', 1e-4 for f'';
// about 10 correct digits for f', 7 for f''; no value where a neighbouring sample has none. `text` keeps
// the component's derivative when it gave one (also when it is too long or uses names the evaluator lacks);
// otherwise `error` holds the component's message.
struct GraphDerivative {
    enum class Method { Symbolic, Numeric };
    Method method = Method::Numeric;
    std::string text;  // Windows-1251
    std::string error; // empty when `text` is the component's result
    EvaluatorFunction value;
};

// f' of a graph's formula.
[[nodiscard]] GraphDerivative DeriveGraph(const std::string& formula);
// f'': the derivative of f' (its text, when the component gave one); numeric second differences of f
// when there is no text to evaluate.
[[nodiscard]] GraphDerivative DeriveGraphAgain(const std::string& formula, const GraphDerivative& first);

// The formula in the differentiation component's language (see above).
[[nodiscard]] std::string DifferentiableText(const std::string& formula);
// True when the plot evaluator reads `text` whole and knows every name in it.
[[nodiscard]] bool EvaluatorReadsWhole(const std::string& text);

} // namespace orvex
