#pragma once

namespace orvex {

// The values of the simplifier's constant folds.
//
// A derivative is offered as a graph that the plot evaluator draws, so every operation that the plot
// evaluator also knows (+ - * / ^ and the functions both languages name alike: sin, cos, tg, ctg, abs,
// sqrt, ln, arcsin, arccos, arctg, arcctg, sh, ch) is computed by the evaluator's own routines: a
// folded constant has the value that the evaluator gives the same text. Where the evaluator has no
// value the fold raises "Invalid floating point operation", so that no wrong graph is offered; only a
// divisor of exactly 0, ln 0 and ctg 0 raise "Floating point division by zero". The functions the
// evaluator lacks (sgn, sign, exp, th, cth, heaviside, h) keep the component's own rules.
//
// Every fold raises ArithmeticError instead of returning NaN or an infinity.

// a + b, a - b, a * b or a / b for the operator kinds tkPlus, tkMinus, tkMul and tkDiv.
[[nodiscard]] long double FoldOperator(int kind, long double a, long double b);
// base ^ exponent.
[[nodiscard]] long double FoldPower(long double base, long double exponent);
// The function of kind `kind` (tkCos..tkHeaviside) at a.
[[nodiscard]] long double FoldFunction(int kind, long double a);

} // namespace orvex
