#pragma once

#include "DerivativeRules.h"
#include "DiffError.h"
#include "FormulaParser.h"
#include "NodeTable.h"
#include "Simplifier.h"
#include "TreePrinter.h"

#include <gtest/gtest.h>

#include <exception>
#include <memory>
#include <ostream>
#include <string>

namespace orvex::test {

// One row of a text table: an input text and the text (or error message) it must give.
struct TextCase {
    const char* in;
    const char* out;
};

inline void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.in << '"';
}

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
        const int simplified = TSimplifier(*Nodes).Simplify(Parse(text));
        return TTreePrinter(*Nodes).PrintTree(simplified);
    }
};

inline std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// `levels` copies of `open`, then `core`, then as many closing brackets.
inline std::string Nested(const std::string& open, int levels, const std::string& core = "x") {
    return Repeat(open, levels) + core + std::string(static_cast<std::size_t>(levels), ')');
}

// The text that `action` returns, or the message of the error it raises.
template <class Action> std::string TextOrFailure(Action action) {
    try {
        return action();
    } catch (const std::exception& e) {
        return e.what();
    }
}

} // namespace orvex::test
