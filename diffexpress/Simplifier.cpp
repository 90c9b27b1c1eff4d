#include "Simplifier.h"

#include "ConstantFolds.h"
#include "DiffError.h"
#include "NumberValues.h"
#include "RecursionGuard.h"

namespace orvex {

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
    const int kind = Nodes[n].Kind;
    if (kind == tkPower)
        return SimplifyPower(n, left, right);
    if (IsNumber(left) && IsNumber(right))
        return MakeNumber(n, FoldOperator(kind, Value(left), Value(right)));
    switch (kind) {
    case tkPlus:
        if (IsValue(left, 0))
            return right;
        if (IsValue(right, 0))
            return left;
        return n;
    case tkMinus:
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
        if (IsValue(left, 0) || IsValue(right, 0))
            return MakeNumber(n, 0);
        if (IsValue(left, 1))
            return right;
        if (IsValue(right, 1))
            return left;
        return n;
    default: // tkDiv
        if (IsValue(left, 0))
            return MakeNumber(n, 0);
        if (IsValue(right, 0))
            throw DiffError(kDividionByZero);
        if (IsValue(right, 1))
            return left;
        return n;
    }
}

[[gnu::noinline]] int TSimplifier::SimplifyPower(int n, int left, int right) {
    if (!IsNumber(right))
        return n; // the parser always makes the exponent a number
    const long double b = Value(right);
    if (IsNumber(left))
        return MakeNumber(n, FoldPower(Value(left), b));
    if (b == 0)
        return MakeNumber(n, 1);
    return b == 1 ? left : n;
}

[[gnu::noinline]] int TSimplifier::SimplifyFunction(int n) {
    const int left = Simplify(Nodes[n].Left);
    Nodes[n].Left = left;
    if (!IsNumber(left))
        return n;
    const int kind = Nodes[n].Kind;
    if (kind > tkHeaviside)
        return n; // codes 28..30 are never produced by the scanner
    return MakeNumber(n, FoldFunction(kind, Value(left)));
}

} // namespace orvex
