#pragma once

#include <string>

namespace orvex {

// The formula the plot evaluator actually reads. Preparation writes every number and x between two "#"
// and pi as 16 digits, and keeps only the first 50 characters of the result, so a long formula loses
// its tail (x^3/(x-1)+(x+2)-sin(x)-(x^2+1)/cos(x)+... is drawn as x^3/(x-1)+(x+2)-sin(x)-(x^2+1)).
struct FormulaAsRead {
    bool cut = false;
    // When cut: the part that is read, written back as a formula ("." as the decimal point, brackets the
    // evaluator would close closed), so that the differentiation component can take the same function.
    // Otherwise the formula as given.
    std::string text;
};

[[nodiscard]] FormulaAsRead ReadFormulaAsEvaluated(const std::string& formula);

} // namespace orvex
