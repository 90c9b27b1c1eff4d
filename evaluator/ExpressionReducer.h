#pragma once

#include <string_view>

namespace orvex::detail {

// Reduces an evaluable text to one number by the evaluator's five passes (ExpressionPasses), with every
// intermediate result written back into the text as the number token "#NumberText(v, 15)#". Working
// texts live in per-depth buffers kept by the thread, so evaluating sample after sample allocates
// nothing once the buffers have grown.
class ExpressionReducer {
  public:
    explicit ExpressionReducer(char separator) : separator_(separator) {}

    // True with the value, false when the text has no value; throws ArithmeticError.
    [[nodiscard]] bool reduce(std::string_view text, long double& value) const;

  private:
    char separator_;
};

} // namespace orvex::detail
