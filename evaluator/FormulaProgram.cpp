#include "FormulaProgram.h"

#include <cassert>
#include <cstring>
#include <utility>

namespace orvex::detail {

FormulaProgram::FormulaProgram(std::vector<long double> constants, std::vector<Instruction> code,
                               std::uint8_t result, bool fails)
    : constants_(std::move(constants)), code_(std::move(code)), result_(result), fails_(fails) {
    assert(1 + constants_.size() + code_.size() <= kMaxRegisters);
}

bool FormulaProgram::run(const long double& x, long double& value) const {
    long double registers[kMaxRegisters];
    std::memcpy(&registers[0], &x, sizeof x);
    for (std::size_t c = 0; c < constants_.size(); ++c) // a few: a loop beats a call of memmove
        registers[1 + c] = constants_[c];
    long double* out = registers + 1 + constants_.size();
    for (const Instruction& in : code_) {
        if (!Execute(in, registers[in.a], registers[in.b], *out))
            return false;
        ++out;
    }
    if (fails_)
        return false;
    value = registers[result_];
    return true;
}

} // namespace orvex::detail
