#include "ConstantFolds.h"

#include "Arithmetic.h"
#include "ArithmeticError.h"
#include "FunctionTable.h"
#include "NodeCodes.h"
#include "NumberValues.h"

#include <array>
#include <cmath>
#include <string_view>

namespace orvex {

namespace {

[[noreturn]] void Fail(ArithmeticError::Kind kind) {
    throw ArithmeticError(kind);
}

// The functions that both languages know by the same name.
struct TSharedFunction {
    int Kind;
    std::string_view Name;
};

constexpr std::array<TSharedFunction, 13> kSharedFunctions{{
    {tkCos, "cos"},
    {tkSin, "sin"},
    {tkTg, "tg"},
    {tkCtg, "ctg"},
    {tkAbs, "abs"},
    {tkSqrt, "sqrt"},
    {tkLn, "ln"},
    {tkArcsin, "arcsin"},
    {tkArccos, "arccos"},
    {tkArctg, "arctg"},
    {tkArcctg, "arcctg"},
    {tkSh, "sh"},
    {tkCh, "ch"},
}};

// The index in the plot evaluator's function table of a function kind, or -1 for a kind the
// evaluator does not know. Looked up by name, as the evaluator itself finds its functions.
int EvaluatorIndex(int kind) {
    static const std::array<int, kLastFunctionKind + 1> indices = [] {
        std::array<int, kLastFunctionKind + 1> result{};
        result.fill(-1);
        for (const auto& function : kSharedFunctions) {
            const auto match = detail::FindFunction(function.Name);
            if (match && match->position == 0 && match->length == function.Name.size())
                result[static_cast<std::size_t>(function.Kind)] = match->index;
        }
        return result;
    }();
    return kind >= 0 && kind <= kLastFunctionKind ? indices[static_cast<std::size_t>(kind)] : -1;
}

// The component's own rules for the functions the evaluator does not know.
long double OwnFunctionValue(int kind, long double a) {
    switch (kind) {
    case tkSgn:
        return a > 0 ? 1 : (a < 0 ? -1 : 0);
    case tkExp:
        return Exponential(a);
    case tkTh:
        return Quotient(Exponential(a) - Exponential(-a), Exponential(-a) + Exponential(a));
    case tkCth:
        return Quotient(Exponential(-a) + Exponential(a), Exponential(a) - Exponential(-a));
    case tkHeaviside:
        return a < 0 ? 0 : 1;
    default:
        return a;
    }
}

} // namespace

long double FoldOperator(int kind, long double a, long double b) {
    switch (kind) {
    case tkPlus:
        return detail::Checked(a + b);
    case tkMinus:
        return detail::Checked(a - b);
    case tkMul:
        return detail::Checked(a * b);
    default:
        // A divisor of exactly 0 is a floating-point fault (0/0 an invalid operation); one that the
        // evaluator takes for 0 leaves it without a value.
        if (b == 0)
            return Quotient(a, b);
        if (std::fabs(b) < detail::kTolerance)
            Fail(ArithmeticError::Kind::InvalidOperation);
        return detail::Checked(a / b);
    }
}

long double FoldPower(long double base, long double exponent) {
    long double result = 0;
    if (!detail::RaisePower(base, exponent, result))
        Fail(ArithmeticError::Kind::InvalidOperation);
    return result;
}

long double FoldFunction(int kind, long double a) {
    const int index = EvaluatorIndex(kind);
    if (index < 0)
        return OwnFunctionValue(kind, a);
    // The logarithm and the cotangent of 0 divide by zero.
    if ((kind == tkLn || kind == tkCtg) && a == 0)
        Fail(ArithmeticError::Kind::DivisionByZero);
    long double result = 0;
    if (!detail::ApplyFunction(index, a, result))
        Fail(ArithmeticError::Kind::InvalidOperation);
    return result;
}

} // namespace orvex
