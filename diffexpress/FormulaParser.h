#pragma once

#include "NodeTable.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orvex {

// Scanner and recursive-descent parser of the differentiation component's formula language: numbers
// with "." as decimal point, names, + - * / ^ (the exponent a number literal), brackets, a leading
// sign at the start of the text or after "(", and function names followed by a bracketed argument.
//
// Syntax errors are not reported where they occur: each one sets the Failed flag, the innermost
// factor or level is abandoned and parsing goes on, so that the caller judges the whole text at once
// by Failed and by the bracket balance Depth.
class TFormulaParser {
  public:
    // Bracket levels (bracketed factors and function arguments) that may be open at once. A text
    // without redundant brackets nests at most two levels per node (a derivative text opens two for
    // each level of its formula's tree), so no text whose nodes fit the table is refused; only
    // redundant brackets can go deeper. A deeper text fails like any other syntax error instead of
    // exhausting the stack, which must hold this many levels (see TDiffExpress).
    static constexpr int MaxNesting = 2 * TNodeTable::MaxNodes;

    explicit TFormulaParser(TNodeTable& nodes) : Nodes(nodes) {}
    TFormulaParser(const TFormulaParser&) = delete;
    TFormulaParser& operator=(const TFormulaParser&) = delete;

    // Sets up the scan state for a new text: ScanPos 1, CurToken and PrevToken tkEnd, Depth 0,
    // Failed false. The node table is left as it is.
    void Reset();

    // Parses S from ScanPos on into new nodes and returns the root index, 0 if the level failed.
    // The text was well formed exactly when Failed() is false and Depth() is 0 afterwards.
    [[nodiscard]] int ParseExpression(std::string_view S);

    // Reset, ParseExpression and the well-formedness check in one: the root, or 0 for a bad text.
    [[nodiscard]] int ParseText(std::string_view S);

    [[nodiscard]] bool Failed() const { return Failed_; }
    [[nodiscard]] int Depth() const { return Depth_; }
    [[nodiscard]] std::size_t ScanPos() const { return ScanPos_; }

  private:
    struct TLevel;

    void GetToken(TLevel& level);
    [[nodiscard]] std::string ReadNumber(std::string_view S);
    [[nodiscard]] int ParseTerm(TLevel& level);
    [[nodiscard]] int ParseFactor(TLevel& level);
    [[nodiscard]] int NewNode();
    [[noreturn]] void RaiseError(const char* Msg);

    TNodeTable& Nodes;
    std::size_t ScanPos_ = 1; // 1-based index of the next character
    int CurToken_ = tkEnd;    // last token produced
    int PrevToken_ = tkEnd;   // token produced before CurToken_
    int Depth_ = 0;           // bracket balance
    bool Failed_ = false;     // set by every syntax error
    int Nesting_ = 0;         // ParseExpression levels active now
};

} // namespace orvex
