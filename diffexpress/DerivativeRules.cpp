#include "DerivativeRules.h"

#include "DiffError.h"
#include "NumberValues.h"
#include "RecursionGuard.h"

namespace orvex {

std::string TDerivativeRules::PrintFull(int n) {
    Out.clear();
    OutNodes = 0;
    Full(n);
    return std::move(Out);
}

std::string TDerivativeRules::DiffText(int n) {
    Out.clear();
    OutNodes = 0;
    Derive(n);
    return std::move(Out);
}

void TDerivativeRules::Put(std::string_view text, int nodes) {
    OutNodes += nodes;
    if (OutNodes > NodeBudget || text.size() > MaxTextLength - Out.size())
        throw DiffError(kErrorInFormula);
    Out += text;
}

void TDerivativeRules::Full(int n) {
    if (n == 0)
        return;
    const TRecursionGuard guard(CallDepth, kMaxTreeDepth);
    const TTree& node = Nodes[n];
    switch (node.Kind) {
    case tkPlus:
    case tkMinus:
    case tkMul:
    case tkDiv:
    case tkPower:
        FullOperator(node);
        break;
    case tkNumber:
    case tkIdent:
        // A negative number keeps its sign without brackets; every caller puts it after "(".
        Put(node.Text, 1);
        break;
    case tkNeg:
        Put("(-(", 1);
        Full(node.Left);
        Put("))", 0);
        break;
    default:
        if (IsFunctionKind(node.Kind)) {
            Put(node.Text, 1);
            Put("(", 0);
            Full(node.Left);
            Put(")", 0);
        }
        break;
    }
}

void TDerivativeRules::FullOperator(const TTree& node) {
    static constexpr std::string_view kSigns[] = {")+(", ")-(", ")*(", ")/("};
    Put("((", 0);
    Full(node.Left);
    // A power takes two nodes: its own and the exponent's, which Full counts.
    Put(node.Kind == tkPower ? ")^(" : kSigns[node.Kind - tkPlus], 1);
    Full(node.Right);
    Put("))", 0);
}

void TDerivativeRules::Derive(int n) {
    if (n == 0) {
        Put("0", 1);
        return;
    }
    const TRecursionGuard guard(CallDepth, kMaxTreeDepth);
    const TTree& node = Nodes[n];
    switch (node.Kind) {
    case tkPlus:
    case tkMinus:
        DeriveSum(node);
        break;
    case tkMul:
        DeriveProduct(node);
        break;
    case tkDiv:
        DeriveQuotient(node);
        break;
    case tkIdent:
        Put(node.Text == VarName ? "1" : "0", 1);
        break;
    case tkNeg:
        Put("(-(", 1);
        Derive(node.Left);
        Put("))", 0);
        break;
    case tkCos:
        Chain(node, "(-sin(", 2, ")*(", 1);
        break;
    case tkSin:
        Chain(node, "(cos(", 1, ")*(", 1);
        break;
    case tkTg:
        Chain(node, "(1/(cos(", 3, ")^2)*(", 3);
        break;
    case tkCtg:
        Chain(node, "(-1/(sin(", 3, ")^2)*(", 3);
        break;
    case tkAbs:
        Chain(node, "(sgn(", 1, ")*(", 1);
        break;
    case tkSqrt:
        Chain(node, "(0.5/sqrt(", 3, ")*(", 1);
        break;
    case tkLn:
        Chain(node, "(1/(", 2, ")*(", 1);
        break;
    case tkExp:
        Chain(node, "(exp(", 1, ")*(", 1);
        break;
    case tkArcsin:
        Chain(node, "(1/sqrt(1-(", 5, ")^2)*(", 3);
        break;
    case tkArccos:
        Chain(node, "(-1/sqrt(1-(", 5, ")^2)*(", 3);
        break;
    case tkArctg:
        Chain(node, "(1/(1+(", 4, ")^2)*(", 3);
        break;
    case tkArcctg:
        Chain(node, "(-1/(1+(", 4, ")^2)*(", 3);
        break;
    case tkSh:
        Chain(node, "(ch(", 1, ")*(", 1);
        break;
    case tkCh:
        Chain(node, "(sh(", 1, ")*(", 1);
        break;
    case tkTh:
        Chain(node, "(1/(ch(", 3, ")^2)*(", 3);
        break;
    case tkCth:
        Chain(node, "(-1/(sh(", 3, ")^2)*(", 3);
        break;
    case tkPower:
        DerivePower(node);
        break;
    default:
        // Numbers are constants; sgn, sign, heaviside and h have derivative 0 wherever it exists,
        // their argument is not examined; kinds that are no operator give 0 as well.
        Put("0", 1);
        break;
    }
}

void TDerivativeRules::DeriveSum(const TTree& node) {
    Put("((", 0);
    Derive(node.Left);
    Put(node.Kind == tkPlus ? ")+(" : ")-(", 1);
    Derive(node.Right);
    Put("))", 0);
}

// Product rule: the derivative of the left factor times the right factor first.
void TDerivativeRules::DeriveProduct(const TTree& node) {
    Put("((", 0);
    Derive(node.Left);
    Put(")*(", 1);
    Full(node.Right);
    Put(")+(", 1);
    Derive(node.Right);
    Put(")*(", 1);
    Full(node.Left);
    Put("))", 0);
}

// Quotient rule; the divisor appears twice and the whole is not bracketed.
void TDerivativeRules::DeriveQuotient(const TTree& node) {
    Put("((", 0);
    Derive(node.Left);
    Put(")*(", 1);
    Full(node.Right);
    Put(")-(", 1);
    Derive(node.Right);
    Put(")*(", 1);
    Full(node.Left);
    Put("))/(", 1);
    Full(node.Right);
    Put(")^2", 2);
}

// Power rule for the constant exponent w, written as the formula wrote it; the new exponent q = w - 1
// follows "(" and so scans as one number even when negative.
void TDerivativeRules::DerivePower(const TTree& node) {
    const std::string& w = Nodes[node.Right].Text;
    const std::string q = ValueText(NumberValue(w) - 1);
    Put("((", 0);
    Put(w, 1);
    Put(")*(", 1);
    Full(node.Left);
    Put(")^(", 1);
    Put(q, 1);
    Put(")*(", 1);
    Derive(node.Left);
    Put("))", 0);
}

void TDerivativeRules::Chain(const TTree& node, std::string_view head, int headNodes, std::string_view middle,
                             int middleNodes) {
    Put(head, headNodes);
    Full(node.Left);
    Put(middle, middleNodes);
    Derive(node.Left);
    Put("))", 0);
}

} // namespace orvex
