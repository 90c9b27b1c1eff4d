#pragma once

#include "NodeTable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace orvex {

// Writes the derivative of a parsed formula tree as formula text, one fixed template per node kind,
// every inserted piece in brackets so that the text parses again with the right precedence. Nothing
// is simplified here.
//
// The text is written front to back into one buffer, and the rules count the nodes that parsing it
// will take as they go. A derivative text grows with the product of the formula's size and nesting
// (every product and quotient repeats its operands, a quotient its divisor twice), so writing stops
// with "Error in formula." as soon as the count exceeds the nodes left in the table, or the text
// passes MaxTextLength: the finished text could not fit either.
class TDerivativeRules {
  public:
    // Characters a derivative text may have: far above any text that fits in the table with names
    // of ordinary length.
    static constexpr std::size_t MaxTextLength = 4'000'000;

    // `nodeBudget` is the number of table slots left for the parsed derivative text.
    TDerivativeRules(const TNodeTable& nodes, std::string varName, int nodeBudget)
        : Nodes(nodes), VarName(std::move(varName)), NodeBudget(nodeBudget) {}

    // The subtree as fully bracketed formula text.
    [[nodiscard]] std::string PrintFull(int n);
    // The derivative of the subtree with respect to VarName.
    [[nodiscard]] std::string DiffText(int n);
    // The nodes that parsing the last text returned will take.
    [[nodiscard]] int TextNodes() const { return OutNodes; }

  private:
    // Appends `text`, which parses into `nodes` nodes, and gives up when the output cannot fit.
    void Put(std::string_view text, int nodes);
    void Full(int n);
    void Derive(int n);
    void FullOperator(const TTree& node);
    void DeriveSum(const TTree& node);
    void DeriveProduct(const TTree& node);
    void DeriveQuotient(const TTree& node);
    void DerivePower(const TTree& node);
    // A function of u by the chain rule: head u middle du "))"; head and middle parse into the
    // given numbers of nodes.
    void Chain(const TTree& node, std::string_view head, int headNodes, std::string_view middle,
               int middleNodes);

    const TNodeTable& Nodes;
    const std::string VarName;
    int NodeBudget;
    std::string Out;
    int OutNodes = 0;
    int CallDepth = 0;
};

} // namespace orvex
