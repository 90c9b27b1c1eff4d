#pragma once

#include "FormulaProgram.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orvex::detail {

// Collects the instructions of a formula program as the formula compiler meets the operations, on
// numbered slots: slot 0 is x, the others constants or instruction results. Along the way it does the
// work that cannot change a result:
// - an operation on constants only is computed once here, when it has a value (one without a value,
//   or raising an error, stays in the program so that it fails at its place);
// - an operation already recorded on the same operands is not recorded again (every operation is a
//   pure function of its operands, and the earlier one has run without failing whenever a later one
//   is reached);
// - a Read of a slot whose value reads back as itself is that slot. Such slots: constants that do,
//   and the first term of a sum taken from a Read, which is 0 or a normal Read result, and a normal
//   value read back has 15 digits that come back unchanged.
class ProgramBuilder {
  public:
    using Slot = std::uint16_t;
    static constexpr Slot kX = 0;

    ProgramBuilder();

    [[nodiscard]] Slot constant(long double value);
    // The slot of `op` on a (and b; function: the table function's index).
    [[nodiscard]] Slot emit(Opcode op, Slot a, Slot b, int function = 0);
    [[nodiscard]] Slot emit(Opcode op, Slot a) { return emit(op, a, a); }

    // The program that gives `result` after running the instructions, or that ends with no value after
    // them; nothing when it needs more registers than a program has.
    [[nodiscard]] std::optional<FormulaProgram> finish(Slot result) const;
    [[nodiscard]] std::optional<FormulaProgram> finishFailing() const;

  private:
    enum class Kind : std::uint8_t { X, Constant, Result };
    struct SlotInfo {
        Kind kind = Kind::X;
        long double value = 0;  // of a constant
        Opcode op{};            // of a result
        bool readsBack = false; // Read gives the slot's own value
    };
    struct Operation {
        Opcode op;
        int function;
        Slot a;
        Slot b;
        Slot result;
    };

    [[nodiscard]] std::optional<FormulaProgram> build(Slot result, bool fails) const;

    std::vector<SlotInfo> slots_;
    std::vector<Operation> code_;
};

} // namespace orvex::detail
