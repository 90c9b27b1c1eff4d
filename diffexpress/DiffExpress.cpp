#include "DiffExpress.h"

#include "DerivativeRules.h"
#include "DiffError.h"
#include "Simplifier.h"
#include "TreePrinter.h"

namespace orvex {

TDiffExpress::TDiffExpress() : FormulaText("0"), VarNameText("t"), Parser(Nodes) {}

TDiffExpress::~TDiffExpress() {
    Nodes.ClearNodes();
}

void TDiffExpress::RaiseError(const char* Msg) {
    throw DiffError(Msg);
}

void TDiffExpress::Differentiate(const std::string& varName, std::string& result) {
    VarNameText = varName;
    Nodes.ClearNodes();
    DerivRoot = 0;

    Parser.Reset();
    FormulaRoot = Parser.ParseExpression(FormulaText);
    if (Parser.Depth() != 0 || Parser.Failed()) {
        FormulaRoot = 0;
        RaiseError(kErrorInFormula);
    }

    // The derivative's nodes follow the formula's in the same table; the formula tree stays intact.
    // The rules give up as soon as the text cannot fit in the slots that are left.
    TDerivativeRules rules(Nodes, VarNameText, TNodeTable::MaxNodes - Nodes.NodeCount());
    const std::string derivative = rules.DiffText(FormulaRoot);

    Parser.Reset();
    DerivRoot = Parser.ParseExpression(derivative);
    if (Parser.Depth() != 0 || Parser.Failed()) {
        DerivRoot = 0;
        RaiseError(kErrorInFormula);
    }

    TSimplifier simplifier(Nodes);
    const int simplified = simplifier.Simplify(DerivRoot);
    TTreePrinter printer(Nodes);
    result = printer.PrintTree(simplified);
    Nodes.ClearNodes();
}

} // namespace orvex
