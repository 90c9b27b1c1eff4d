#pragma once

#include "SpecialPoints.h"

#include <string>
#include <vector>

namespace orvex::study {

// Where a formula may lose its value, as functions whose zeros are those places: the divisor of each
// division, the base of each power (0 to a negative power), the argument of ln, lg, sqrt and arcctg, the
// cosine of the argument of tg and sec and the sine of the argument of ctg and csec. Each is computed by
// the formula's compiled program up to that operation, so it has the very values the graph's evaluation
// meets there. A hole that no sample lands on (sin(x)/x at 0, x^2/x) lies at a zero of one of them.
//
// Empty when the formula is not compiled (it is evaluated as text: "2x", "2sin(x)"). At most kMaxGuards,
// the first in the order of evaluation; functions with the same values at a few probe points count once.
class FormulaGuards {
  public:
    static constexpr std::size_t kMaxGuards = 16;

    explicit FormulaGuards(const std::string& formula);

    [[nodiscard]] bool compiled() const noexcept { return compiled_; }
    [[nodiscard]] const std::vector<GraphFunction>& functions() const noexcept { return functions_; }

  private:
    bool compiled_ = false;
    std::vector<GraphFunction> functions_;
};

} // namespace orvex::study
