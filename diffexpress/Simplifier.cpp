#include "Simplifier.h"

#include "DiffError.h"
#include "NumberValues.h"
#include "RecursionGuard.h"

#include <cmath>
#include <numbers>

namespace orvex {

namespace {

// The value of a function of the constant a, by the rule of its kind.
long double FunctionValue(int kind, long double a) {
    switch (kind) {
    case tkCos:
        return std::cos(a);
    case tkSin:
        return std::sin(a);
    case tkTg:
        return Quotient(std::sin(a), std::cos(a));
    case tkCtg:
        return Quotient(std::cos(a), std::sin(a));
    case tkAbs:
        return std::fabs(a);
    case tkSgn:
        return a > 0 ? 1 : (a < 0 ? -1 : 0);
    case tkSqrt:
        return Checked(std::sqrt(a));
    case tkLn:
        // The logarithm of 0 is a division by zero for the floating-point unit.
        if (a == 0)
            return Quotient(1, 0);
        return Checked(std::log(a));
    case tkExp:
        return Exponential(a);
    case tkArcsin:
        return Checked(std::asin(a));
    case tkArccos:
        return Checked(std::acos(a));
    case tkArctg:
        return std::atan(a);
    case tkArcctg:
        return std::numbers::pi_v<long double> / 2 - std::atan(a);
    case tkSh:
        return (Exponential(a) - Exponential(-a)) / 2;
    case tkCh:
        return (Exponential(-a) + Exponential(a)) / 2;
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

bool TSimplifier::IsNumber(int n) const {
    return n != 0 && Nodes[n].Kind == tkNumber;
}

bool TSimplifier::IsValue(int n, long double v) const {
    return IsNumber(n) && Value(n) == v;
}

long double TSimplifier::Value(int n) const {
    return NumberValue(Nodes[n].Text);
}

int TSimplifier::MakeNumber(int n, long double v) {
    Nodes[n].Text = ValueText(v);
    Nodes[n].Kind = tkNumber;
    return n;
}

int TSimplifier::Simplify(int n) {
    if (n == 0)
        return 0;
    const TRecursionGuard guard(CallDepth, kMaxTreeDepth);
    const int kind = Nodes[n].Kind;
    switch (kind) {
    case tkNumber:
    case tkIdent:
        return n;
    case tkPlus:
    case tkMinus:
    case tkMul:
    case tkDiv:
    case tkPower:
        return SimplifyBinary(n);
    case tkNeg: {
        const int left = Simplify(Nodes[n].Left);
        Nodes[n].Left = left;
        // A double minus is kept.
        if (IsNumber(left))
            return MakeNumber(n, -Value(left));
        return n;
    }
    default:
        if (IsFunctionKind(kind))
            return SimplifyFunction(n);
        return 0;
    }
}

[[gnu::noinline]] int TSimplifier::SimplifyBinary(int n) {
    const int left = Simplify(Nodes[n].Left);
    Nodes[n].Left = left;
    const int right = Simplify(Nodes[n].Right);
    Nodes[n].Right = right;
    const bool numbers = IsNumber(left) && IsNumber(right);
    switch (Nodes[n].Kind) {
    case tkPlus:
        if (numbers)
            return MakeNumber(n, Checked(Value(left) + Value(right)));
        if (IsValue(left, 0))
            return right;
        if (IsValue(right, 0))
            return left;
        return n;
    case tkMinus:
        if (numbers)
            return MakeNumber(n, Checked(Value(left) - Value(right)));
        if (IsValue(left, 0)) {
            // 0 - p becomes the unary minus of p, which is not examined further.
            Nodes[n].Kind = tkNeg;
            Nodes[n].Left = right;
            Nodes[n].Right = 0;
            return n;
        }
        if (IsValue(right, 0))
            return left;
        return n;
    case tkMul:
        if (numbers)
            return MakeNumber(n, Checked(Value(left) * Value(right)));
        if (IsValue(left, 0) || IsValue(right, 0))
            return MakeNumber(n, 0);
        if (IsValue(left, 1))
            return right;
        if (IsValue(right, 1))
            return left;
        return n;
    case tkDiv:
        if (numbers)
            return MakeNumber(n, Quotient(Value(left), Value(right)));
        if (IsValue(left, 0))
            return MakeNumber(n, 0);
        if (IsValue(right, 0))
            throw DiffError(kDividionByZero);
        if (IsValue(right, 1))
            return left;
        return n;
    default:
        return SimplifyPower(n, left, right);
    }
}

[[gnu::noinline]] int TSimplifier::SimplifyPower(int n, int left, int right) {
    if (IsValue(left, 0))
        return MakeNumber(n, 0); // also 0^0 and negative exponents
    if (!IsNumber(right))
        return n; // the parser always makes the exponent a number
    const long double b = Value(right);
    if (b == 0)
        return MakeNumber(n, 1);
    if (!IsNumber(left))
        return b == 1 ? left : n;
    // |a|^b, negated for a negative base unless b is an even integer: (-2)^3 = -8, (-4)^0.5 = -2.
    const long double a = Value(left);
    long double v = Checked(std::pow(std::fabs(a), b));
    if (a < 0 && std::round(b / 2) != b / 2)
        v = -v;
    return MakeNumber(n, v);
}

[[gnu::noinline]] int TSimplifier::SimplifyFunction(int n) {
    const int left = Simplify(Nodes[n].Left);
    Nodes[n].Left = left;
    if (!IsNumber(left))
        return n;
    const int kind = Nodes[n].Kind;
    if (kind > tkHeaviside)
        return n; // codes 28..30 are never produced by the scanner
    return MakeNumber(n, FunctionValue(kind, Value(left)));
}

} // namespace orvex
