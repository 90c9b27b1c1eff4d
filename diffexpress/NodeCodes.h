#pragma once

#include <cstdint>

namespace orvex {

// Token and node codes of the differentiation component. The numbers are the stored `Kind` values of
// the node table and must not change.
enum TNodeCode : std::int32_t {
    tkEnd = 0,    // token: end of text
    tkOpen = 1,   // token: "("
    tkClose = 2,  // token: ")"
    tkPlus = 3,   // Left + Right
    tkMinus = 4,  // Left - Right
    tkMul = 5,    // Left * Right
    tkDiv = 6,    // Left / Right
    tkNumber = 7, // number literal; Text holds its text
    tkIdent = 8,  // variable or named constant; Text holds the name
    tkNeg = 9,    // unary minus of Left (never produced by the scanner)
    tkCos = 10,   // functions of Left; Text holds the name as written
    tkSin = 11,
    tkTg = 12,
    tkCtg = 13,
    tkAbs = 14,
    tkSgn = 15, // "sgn" or "sign"
    tkSqrt = 16,
    tkLn = 17,
    tkExp = 18,
    tkArcsin = 19,
    tkArccos = 20,
    tkArctg = 21,
    tkArcctg = 22,
    tkSh = 23,
    tkCh = 24,
    tkTh = 25,
    tkCth = 26,
    tkHeaviside = 27, // "heaviside" or "h"
    tkPower = 31,     // Left ^ Right; Right is always a tkNumber node
};

// Codes 28..30 are reserved for functions and never produced; the routines treat the whole range
// 10..30 as function kinds.
inline constexpr std::int32_t kFirstFunctionKind = 10;
inline constexpr std::int32_t kLastFunctionKind = 30;

[[nodiscard]] constexpr bool IsFunctionKind(std::int32_t kind) {
    return kind >= kFirstFunctionKind && kind <= kLastFunctionKind;
}

} // namespace orvex
