#pragma once

#include <stdexcept>
#include <string>

namespace orvex {

// An arithmetic fault that a computation did not foresee. The three kinds carry the exact messages
// the user sees in the error box.
class ArithmeticError : public std::runtime_error {
  public:
    enum class Kind { InvalidOperation, DivisionByZero, Overflow };

    explicit ArithmeticError(Kind kind) : std::runtime_error(messageFor(kind)), kind_(kind) {}

    [[nodiscard]] Kind kind() const noexcept { return kind_; }

    static const char* messageFor(Kind kind) noexcept {
        switch (kind) {
        case Kind::InvalidOperation:
            return "Invalid floating point operation";
        case Kind::DivisionByZero:
            return "Floating point division by zero";
        case Kind::Overflow:
            return "Floating point overflow";
        }
        return "Invalid floating point operation";
    }

  private:
    Kind kind_;
};

// A text that was expected to hold a number or an integer and does not.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace orvex
