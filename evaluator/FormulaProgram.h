#pragma once

#include "Arithmetic.h"
#include "FunctionTable.h"
#include "TokenRounding.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvex::detail {

// The operations of a compiled formula, each computed by the very routine the text evaluator uses.
enum class Opcode : std::uint8_t {
    Read,         // the value read back from the number token of a (no value where it does not read)
    Check,        // the first term of a sum: 0 + a
    CheckNegated, // the first term of a sum with a minus: 0 - a
    Function,     // table function `function` of a
    Power,        // a ^ b
    Multiply,     // a * b
    Divide,       // a / b
    Add,          // a + b in the signed sum
    Subtract,     // a - b in the signed sum
};

// One instruction; its result goes to the register that follows the previous instruction's.
struct Instruction {
    Opcode op = Opcode::Read;
    std::uint8_t function = 0; // for Opcode::Function
    std::uint8_t a = 0;        // operand registers (b = a for one operand)
    std::uint8_t b = 0;
};

// Computes one instruction from its operand values. False: no value; throws ArithmeticError.
// The operands are taken by reference so that a Read takes the bits of a where it is stored.
[[nodiscard]] inline bool Execute(const Instruction& in, const long double& a, const long double& b,
                                  long double& out) {
    switch (in.op) {
    case Opcode::Read:
        return RoundAsToken(a, out);
    case Opcode::Check:
        out = AddTerm(0, false, a);
        return true;
    case Opcode::CheckNegated:
        out = AddTerm(0, true, a);
        return true;
    case Opcode::Function:
        return ApplyFunction(in.function, a, out);
    case Opcode::Power:
        return RaisePower(a, b, out);
    case Opcode::Multiply:
        return MultiplyOrDivide(false, a, b, out);
    case Opcode::Divide:
        return MultiplyOrDivide(true, a, b, out);
    case Opcode::Add:
        out = AddTerm(a, false, b);
        return true;
    case Opcode::Subtract:
        out = AddTerm(a, true, b);
        return true;
    }
    return false;
}

// A straight-line program over long double registers: register 0 holds x as given, the next ones the
// constants, then one register per instruction. The instructions run in the order in which the text
// evaluator performs their operations, so the first one without a value, or the first error, is the
// same one; then the program gives the result register, or no value when it ends in a failure.
class FormulaProgram {
  public:
    // Formulas of 50 characters need at most about 40. Kept well below 256 so that the register file,
    // on the stack, does not end at the same 4 KiB offset as the caller's frame (the processor then takes
    // loads from it for loads of the caller's stores and waits).
    static constexpr std::size_t kMaxRegisters = 96;

    FormulaProgram() = default;
    // `result` is the register of the value; `fails` makes the program end with no value instead.
    FormulaProgram(std::vector<long double> constants, std::vector<Instruction> code, std::uint8_t result,
                   bool fails);

    // The value at x; false when there is none. Throws ArithmeticError. Thread-safe.
    [[nodiscard]] bool run(const long double& x, long double& value) const;

    [[nodiscard]] std::size_t instructionCount() const noexcept { return code_.size(); }
    [[nodiscard]] std::size_t constantCount() const noexcept { return constants_.size(); }
    // The program itself, for callers that look at its operations one by one (the study of a function
    // finds where the formula may have no value from its divisions and function calls).
    [[nodiscard]] const std::vector<long double>& constants() const noexcept { return constants_; }
    [[nodiscard]] const std::vector<Instruction>& code() const noexcept { return code_; }

  private:
    std::vector<long double> constants_;
    std::vector<Instruction> code_;
    std::uint8_t result_ = 0;
    bool fails_ = true;
};

} // namespace orvex::detail
