#include "TreePrinter.h"

#include "NumberValues.h"
#include "RecursionGuard.h"

namespace orvex {

namespace {

bool IsSumOrNeg(int kind) {
    return kind == tkPlus || kind == tkMinus || kind == tkNeg;
}

std::string Bracketed(std::string text, bool brackets) {
    return brackets ? "(" + text + ")" : text;
}

} // namespace

std::string TTreePrinter::PrintTree(int n) {
    if (n == 0)
        return {};
    const TRecursionGuard guard(CallDepth, kMaxTreeDepth);
    const TTree& node = Nodes[n];
    switch (node.Kind) {
    case tkNumber:
        // A folded number keeps its former operands; they are not printed.
        return Bracketed(node.Text, IsNegativeNumber(node.Text));
    case tkIdent:
        return node.Text;
    default:
        return PrintOperator(node, PrintTree(node.Left), PrintTree(node.Right));
    }
}

// Out of line so that the recursion in PrintTree carries only a small frame per level.
[[gnu::noinline]] std::string TTreePrinter::PrintOperator(const TTree& node, std::string l,
                                                          std::string r) const {
    const int lk = KindOf(node.Left);
    const int rk = KindOf(node.Right);
    switch (node.Kind) {
    case tkPlus:
        return l + "+" + r;
    case tkMinus:
        return l + "-" + Bracketed(std::move(r), IsSumOrNeg(rk));
    case tkMul:
        return Bracketed(std::move(l), IsSumOrNeg(lk)) + "*" + Bracketed(std::move(r), IsSumOrNeg(rk));
    case tkDiv:
        return Bracketed(std::move(l), IsSumOrNeg(lk)) + "/" +
               Bracketed(std::move(r), IsSumOrNeg(rk) || rk == tkMul || rk == tkDiv);
    case tkNeg:
        return "(-" + Bracketed(std::move(l), lk != tkNumber && lk != tkIdent && !IsFunctionKind(lk)) + ")";
    case tkPower:
        return Bracketed(std::move(l), lk != tkNumber && lk != tkIdent) + "^" + r;
    default:
        if (IsFunctionKind(node.Kind))
            return node.Text + "(" + l + ")";
        return {};
    }
}

} // namespace orvex
