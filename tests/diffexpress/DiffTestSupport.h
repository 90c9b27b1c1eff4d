#pragma once

#include "DerivativeRules.h"
#include "FormulaParser.h"
#include "NodeTable.h"
#include "Simplifier.h"
#include "TreePrinter.h"

#include <memory>
#include <string>

namespace orvex::test {

// A node table on the heap with a parser over it, for tests of the component's parts.
struct TTreeBench {
    std::unique_ptr<TNodeTable> Nodes = std::make_unique<TNodeTable>();
    TFormulaParser Parser{*Nodes};

    // The root of the parsed text, 0 when the text is not well formed.
    int Parse(const std::string& text) { return Parser.ParseText(text); }

    // The tree as fully bracketed text, which shows its shape.
    std::string Shape(int root) {
        return TDerivativeRules(*Nodes, "x", TNodeTable::MaxNodes).PrintFull(root);
    }

    // Parse, simplify and print with minimal brackets.
    std::string Simplified(const std::string& text) {
        const int root = Parse(text);
        const int simplified = TSimplifier(*Nodes).Simplify(root);
        return TTreePrinter(*Nodes).PrintTree(simplified);
    }
};

} // namespace orvex::test
