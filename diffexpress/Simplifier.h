#pragma once

#include "NodeTable.h"

namespace orvex {

// One bottom-up pass over a tree in the node table: folds constant subexpressions (to the values the
// plot evaluator gives them, see ConstantFolds.h) and applies the identities with a literal 0 or 1
// (x+0, x*1, 0*x, x/1, x^1, x^0, 0-x). It works in place, creates no node, and does not reorder,
// collect or cancel anything else.
class TSimplifier {
  public:
    explicit TSimplifier(TNodeTable& nodes) : Nodes(nodes) {}

    // Simplifies the subtree of n and returns the node that now stands for it: n itself or one of
    // its descendants. Raises "Dividion by zero." for a divisor that became 0 under a dividend that
    // is not a number, and ArithmeticError when a fold fails.
    [[nodiscard]] int Simplify(int n);

  private:
    [[nodiscard]] bool IsNumber(int n) const;
    // True for a number node with the value v.
    [[nodiscard]] bool IsValue(int n, long double v) const;
    [[nodiscard]] long double Value(int n) const;
    // Turns n into a number node with the text of v and returns n.
    int MakeNumber(int n, long double v);

    int SimplifyBinary(int n);
    int SimplifyPower(int n, int left, int right);
    int SimplifyFunction(int n);

    TNodeTable& Nodes;
    int CallDepth = 0;
};

} // namespace orvex
