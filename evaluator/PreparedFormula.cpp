#include "PreparedFormula.h"

#include "Evaluator.h"
#include "FormulaCompiler.h"
#include "NumberText.h"

namespace orvex {

PreparedFormula::PreparedFormula(std::string_view formula, char var)
    : text_(formula.substr(0, kMaxFormulaLength)), var_(var), separator_(DecimalSeparator()) {
    PrepareFormula(text_, std::string_view(&var_, 1));
    if (auto program = detail::CompileFormula(formula, text_, var_, separator_))
        program_ = std::make_shared<const detail::FormulaProgram>(std::move(*program));
}

bool PreparedFormula::valueAt(long double x, long double& value) const {
    if (program_)
        return program_->run(x, value);
    return EvaluateExpression(SubstituteVariable(text_, var_, x, separator_), value, separator_);
}

} // namespace orvex
