#pragma once

#include "FormulaParser.h"
#include "NodeTable.h"

#include <string>

namespace orvex {

// The differentiation component: differentiates the formula in `Formula` with respect to a variable
// and returns the derivative as simplified formula text.
//
// Both the parsed formula and the parsed derivative text live in one fixed table of 5000 nodes, so
// formula and derivative together are limited to 5000 nodes. Names are case-sensitive; every name
// but the variable is a constant; numbers use "." as decimal point whatever the locale.
//
// Errors: DiffError "Error in formula." (the formula does not parse, or it and its derivative do not
// fit), DiffError "Dividion by zero." (a divisor became 0 under an expression), and ArithmeticError
// when folding constants fails.
//
// The routines recurse once per bracket level and per tree level. A formula of a graph's length runs
// on the caller's stack; a longer one, which can nest thousands of levels deep, runs on a thread of
// its own with a stack sized for the deepest nesting the parser accepts, so that any thread may call
// Differentiate whatever the size of its stack.
class TDiffExpress {
  public:
    // Formula "0", VarName "t", empty node table.
    TDiffExpress();
    ~TDiffExpress();
    TDiffExpress(const TDiffExpress&) = delete;
    TDiffExpress& operator=(const TDiffExpress&) = delete;

    [[nodiscard]] const std::string& Formula() const { return FormulaText; }
    void SetFormula(const std::string& formula) { FormulaText = formula; }

    // The variable of the last Differentiate call ("t" before the first).
    [[nodiscard]] const std::string& VarName() const { return VarNameText; }

    // Stores in `result` the simplified derivative of Formula with respect to `varName`. On failure
    // raises an error (see the class comment) and leaves `result` as it was.
    void Differentiate(const std::string& varName, std::string& result);

  private:
    // The work of Differentiate on the stack of the calling thread.
    void DifferentiateHere(std::string& result);
    [[noreturn]] void RaiseError(const char* Msg);

    TNodeTable Nodes;
    std::string FormulaText;
    std::string VarNameText;
    TFormulaParser Parser; // the one scan state: Failed, Depth, PrevToken, CurToken, ScanPos
    int FormulaRoot = 0;
    int DerivRoot = 0;
};

} // namespace orvex
