#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace orvex {

namespace detail {
class FormulaProgram;
}

// A formula made ready for sampling at many x: the formula's first 50 characters prepared once with the
// variable letter, and, when the formula is a plain expression, compiled into a program that gives
// exactly the text evaluator's results. Captures the decimal separator in force at construction.
class PreparedFormula {
  public:
    explicit PreparedFormula(std::string_view formula, char var = 'x');

    // Exactly EvaluateExpression(SubstituteVariable(text(), var, x), value): same flag, same value bits,
    // same ArithmeticError. const and safe to call from several threads at once on one object.
    [[nodiscard]] bool valueAt(long double x, long double& value) const;
    [[nodiscard]] bool isCompiled() const noexcept { return program_ != nullptr; }
    [[nodiscard]] const std::string& text() const noexcept { return text_; } // the prepared text
  private:
    std::string text_;
    char var_;
    char separator_;
    std::shared_ptr<const detail::FormulaProgram> program_; // null: the text evaluator
};

} // namespace orvex
