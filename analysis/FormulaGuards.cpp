#include "FormulaGuards.h"

#include "ArithmeticError.h"
#include "FormulaCompiler.h"
#include "FunctionTable.h"
#include "NumberText.h"
#include "PreparedFormula.h"

#include <array>
#include <cmath>
#include <cstring>
#include <memory>

namespace orvex::study {

namespace {

using detail::FormulaProgram;
using detail::Instruction;
using detail::Opcode;

// Positions in the evaluator's function table (its search order: ch, sh, ach, ash, sin, sqrt, sec, csec,
// cos, tg, ctg, tgh, arcsin, arccos, arctg, arcctg, abs, ln, lg).
enum TableFunction {
    Sin = 4,
    Sqrt = 5,
    Sec = 6,
    Csec = 7,
    Cos = 8,
    Tg = 9,
    Ctg = 10,
    Arcctg = 15,
    Ln = 17,
    Lg = 18
};

// What a guard takes of the operation: an operand as it is, or the cosine or sine of it.
enum class Take { Operand, Cosine, Sine };

struct GuardSite {
    std::size_t instruction;
    bool secondOperand;
    Take take;
};

bool guardOf(const Instruction& in, std::size_t index, GuardSite& site) {
    site = {index, false, Take::Operand};
    switch (in.op) {
    case Opcode::Divide:
        site.secondOperand = true;
        return true;
    case Opcode::Power:
        return true;
    case Opcode::Function:
        switch (in.function) {
        case Sqrt:
        case Ln:
        case Lg:
        case Arcctg:
            return true;
        case Sec:
        case Tg:
            site.take = Take::Cosine;
            return true;
        case Csec:
        case Ctg:
            site.take = Take::Sine;
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

// The operand of one instruction at x, running the program's instructions before it.
bool operandAt(const FormulaProgram& program, const GuardSite& site, long double x, long double& out) {
    long double registers[FormulaProgram::kMaxRegisters];
    registers[0] = x;
    const auto& constants = program.constants();
    for (std::size_t c = 0; c < constants.size(); ++c)
        registers[1 + c] = constants[c];
    long double* result = registers + 1 + constants.size();
    const auto& code = program.code();
    try {
        for (std::size_t k = 0; k < site.instruction; ++k, ++result)
            if (!detail::Execute(code[k], registers[code[k].a], registers[code[k].b], *result))
                return false;
        const Instruction& in = code[site.instruction];
        const long double operand = registers[site.secondOperand ? in.b : in.a];
        switch (site.take) {
        case Take::Operand:
            out = operand;
            break;
        case Take::Cosine:
            if (!detail::ApplyFunction(Cos, operand, out))
                return false;
            break;
        case Take::Sine:
            if (!detail::ApplyFunction(Sin, operand, out))
                return false;
            break;
        }
    } catch (const ArithmeticError&) {
        return false;
    }
    return std::isfinite(out);
}

// Values at a few points that no simple formula singles out, to tell equal guards apart.
constexpr std::array<long double, 6> kProbes = {-3.71L, -1.29L, 0.43L, 0.97L, 2.33L, 17.9L};

std::array<long double, kProbes.size()> signature(const GraphFunction& g) {
    std::array<long double, kProbes.size()> values{};
    for (std::size_t i = 0; i < kProbes.size(); ++i) {
        long double y = 0;
        values[i] = g(static_cast<double>(kProbes[i]), y) ? y : -0.0L;
    }
    return values;
}

bool sameBits(const std::array<long double, kProbes.size()>& a,
              const std::array<long double, kProbes.size()>& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!(a[i] == b[i] && std::signbit(a[i]) == std::signbit(b[i])))
            return false;
    return true;
}

} // namespace

FormulaGuards::FormulaGuards(const std::string& formula) {
    const PreparedFormula prepared(formula);
    if (!prepared.isCompiled())
        return;
    auto compiled = detail::CompileFormula(formula, prepared.text(), 'x', DecimalSeparator());
    if (!compiled)
        return;
    compiled_ = true;
    const auto program = std::make_shared<const FormulaProgram>(std::move(*compiled));
    std::vector<std::array<long double, kProbes.size()>> seen;
    for (std::size_t k = 0; k < program->code().size() && functions_.size() < kMaxGuards; ++k) {
        GuardSite site;
        if (!guardOf(program->code()[k], k, site))
            continue;
        GraphFunction guard = [program, site](double x, long double& y) {
            return operandAt(*program, site, x, y);
        };
        const auto values = signature(guard);
        bool duplicate = false;
        for (const auto& other : seen)
            duplicate = duplicate || sameBits(values, other);
        if (duplicate)
            continue;
        seen.push_back(values);
        functions_.push_back(std::move(guard));
    }
}

} // namespace orvex::study
