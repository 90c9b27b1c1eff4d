#include "DiffExpress.h"

#include "DerivativeRules.h"
#include "DiffError.h"
#include "Simplifier.h"
#include "StackRunner.h"
#include "TreePrinter.h"

namespace orvex {

namespace {

// The stack the routines take grows with the depth of texts and trees. Measured per level: the parser
// takes 0.4 KiB per bracket level in an optimised build and 0.6 KiB with AddressSanitizer (whose
// frames carry red zones); the tree routines up to 0.15 KiB and 1.6 KiB per tree level. A formula of
// n characters nests fewer than n levels and its derivative text about as many, so up to this length
// a call takes at most 30 KiB (64 KiB with AddressSanitizer) and runs on the caller's stack, as every
// graph formula (at most 50 characters) does.
constexpr std::size_t kInlineFormulaLength = 64;

#if defined(__SANITIZE_ADDRESS__)
#define ORVEX_DIFF_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVEX_DIFF_SANITIZED 1
#endif
#endif

// The stack for longer formulas, sized by the parser's MaxNesting levels. The deepest recursions there
// are, MaxNesting parser levels or a tree MaxNodes deep, measured at most 3.8 MiB in an optimised
// build, 3.9 MiB unoptimised and 8 MiB with AddressSanitizer; this reserves about 10, 20 and 40 MiB. The
// pages are only reserved: a call touches what it uses.
#if defined(ORVEX_DIFF_SANITIZED)
constexpr std::size_t kStackBytesPerLevel = 4096;
#elif !defined(__OPTIMIZE__)
constexpr std::size_t kStackBytesPerLevel = 2048;
#else
constexpr std::size_t kStackBytesPerLevel = 1024;
#endif
constexpr std::size_t kDeepStackBytes = (TFormulaParser::MaxNesting + 256) * kStackBytesPerLevel;

} // namespace

TDiffExpress::TDiffExpress() : FormulaText("0"), VarNameText("t"), Parser(Nodes) {}

TDiffExpress::~TDiffExpress() {
    Nodes.ClearNodes();
}

void TDiffExpress::RaiseError(const char* Msg) {
    throw DiffError(Msg);
}

void TDiffExpress::Differentiate(const std::string& varName, std::string& result) {
    VarNameText = varName;
    if (FormulaText.size() <= kInlineFormulaLength)
        DifferentiateHere(result);
    else
        RunWithStack(kDeepStackBytes, [&] { DifferentiateHere(result); });
}

void TDiffExpress::DifferentiateHere(std::string& result) {
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
