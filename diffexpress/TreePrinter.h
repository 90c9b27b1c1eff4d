#pragma once

#include "NodeTable.h"

#include <string>

namespace orvex {

// Prints a simplified tree as formula text with the fewest brackets its precedence rules allow: no
// spaces, negative numbers and unary minus always in brackets, a sum or difference bracketed under a
// product, quotient or minus, a product or quotient bracketed as divisor, and a base that is not a
// number or a name bracketed under "^".
class TTreePrinter {
  public:
    explicit TTreePrinter(const TNodeTable& nodes) : Nodes(nodes) {}

    // The subtree as text; index 0 gives the empty text.
    [[nodiscard]] std::string PrintTree(int n);

  private:
    // The text of an operator or function node from the texts of its operands.
    [[nodiscard]] std::string PrintOperator(const TTree& node, std::string l, std::string r) const;
    [[nodiscard]] int KindOf(int n) const { return n == 0 ? tkEnd : Nodes[n].Kind; }

    const TNodeTable& Nodes;
    int CallDepth = 0;
};

} // namespace orvex
