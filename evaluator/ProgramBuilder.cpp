#include "ProgramBuilder.h"

#include "ArithmeticError.h"

#include <cstring>

namespace orvex::detail {

namespace {

// The 80 bits of an extended value (the bytes after them are padding).
constexpr std::size_t kValueBytes = 10;

bool sameBits(long double a, long double b) {
    return std::memcmp(&a, &b, kValueBytes) == 0;
}

} // namespace

ProgramBuilder::ProgramBuilder() {
    slots_.push_back(SlotInfo{});
}

ProgramBuilder::Slot ProgramBuilder::constant(long double value) {
    for (std::size_t s = 0; s < slots_.size(); ++s)
        if (slots_[s].kind == Kind::Constant && sameBits(slots_[s].value, value))
            return static_cast<Slot>(s);
    long double back = 0;
    const bool readsBack = RoundAsToken(value, back) && sameBits(back, value);
    slots_.push_back(SlotInfo{Kind::Constant, value, Opcode{}, readsBack});
    return static_cast<Slot>(slots_.size() - 1);
}

ProgramBuilder::Slot ProgramBuilder::emit(Opcode op, Slot a, Slot b, int function) {
    if (op == Opcode::Read && slots_[a].readsBack)
        return a;
    for (const Operation& done : code_)
        if (done.op == op && done.function == function && done.a == a && done.b == b)
            return done.result;
    if (slots_[a].kind == Kind::Constant && slots_[b].kind == Kind::Constant) {
        const Instruction in{op, static_cast<std::uint8_t>(function), 0, 0};
        long double value = 0;
        bool known = false;
        try {
            known = Execute(in, slots_[a].value, slots_[b].value, value);
        } catch (const ArithmeticError&) {
        }
        if (known)
            return constant(value);
    }
    const bool fromRead = slots_[a].kind == Kind::Result && slots_[a].op == Opcode::Read;
    const bool readsBack = (op == Opcode::Check || op == Opcode::CheckNegated) && fromRead;
    slots_.push_back(SlotInfo{Kind::Result, 0, op, readsBack});
    const auto result = static_cast<Slot>(slots_.size() - 1);
    code_.push_back(Operation{op, function, a, b, result});
    return result;
}

std::optional<FormulaProgram> ProgramBuilder::finish(Slot result) const {
    return build(result, false);
}

std::optional<FormulaProgram> ProgramBuilder::finishFailing() const {
    return build(ProgramBuilder::kX, true);
}

std::optional<FormulaProgram> ProgramBuilder::build(Slot result, bool fails) const {
    if (slots_.size() > FormulaProgram::kMaxRegisters)
        return std::nullopt;
    // Registers: x, then the constants, then the results in the order of their instructions.
    std::vector<std::uint8_t> registerOf(slots_.size(), 0);
    std::vector<long double> constants;
    for (std::size_t s = 0; s < slots_.size(); ++s) {
        if (slots_[s].kind == Kind::Constant) {
            constants.push_back(slots_[s].value);
            registerOf[s] = static_cast<std::uint8_t>(constants.size());
        }
    }
    std::vector<Instruction> code;
    for (const Operation& op : code_) {
        registerOf[op.result] = static_cast<std::uint8_t>(1 + constants.size() + code.size());
        code.push_back(
            Instruction{op.op, static_cast<std::uint8_t>(op.function), registerOf[op.a], registerOf[op.b]});
    }
    return FormulaProgram(std::move(constants), std::move(code), registerOf[result], fails);
}

} // namespace orvex::detail
