#include "FormulaAsRead.h"

#include "Evaluator.h"
#include "GraphDerivative.h"
#include "NumberText.h"

namespace orvex {

FormulaAsRead ReadFormulaAsEvaluated(const std::string& formula) {
    std::string prepared = formula.substr(0, kMaxFormulaLength);
    PrepareFormula(prepared, "x");
    FormulaAsRead out;
    out.text = formula;
    // Preparation only lengthens the text: one shorter than 50 characters lost nothing.
    out.cut = prepared.size() >= kMaxFormulaLength && !EvaluatorReadsWhole(DifferentiableText(formula));
    if (!out.cut)
        return out;
    std::string text;
    int depth = 0;
    for (const char c : prepared) {
        if (c == '#')
            continue;
        if (c == '(')
            ++depth;
        if (c == ')')
            --depth;
        text += c == ',' ? '.' : c;
    }
    for (; depth > 0; --depth)
        text += ')';
    out.text = text;
    return out;
}

} // namespace orvex
