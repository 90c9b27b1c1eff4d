#pragma once

#include <stdexcept>

namespace orvex {

// The messages of the differentiation component's own errors, exactly as the user sees them.
inline constexpr const char* kErrorInFormula = "Error in formula.";
inline constexpr const char* kDividionByZero = "Dividion by zero.";

// An error of the differentiation component: a formula that does not parse or whose derivative does
// not fit, or a quotient whose divisor became 0. Arithmetic faults of constant folding are raised as
// orvex::ArithmeticError instead.
class DiffError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace orvex
