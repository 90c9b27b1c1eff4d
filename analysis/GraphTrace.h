#pragma once

#include "GraphDerivative.h"
#include "ValueCell.h"

#include <string>

namespace orvex {

// What the trace reads off a graph at one x: y and the slope y'.
struct TraceReading {
    double x = 0;
    ValueCell y;
    ValueCell slope;
};

// A graph made ready for the trace: its values through the plot evaluator (the picture's compiled path)
// and its derivative from DeriveGraph, both prepared once with the decimal separator in force.
class GraphTrace {
  public:
    explicit GraphTrace(const std::string& formula); // Windows-1251, as in the record

    [[nodiscard]] const std::string& formula() const noexcept { return formula_; }
    [[nodiscard]] const GraphDerivative& derivative() const noexcept { return derivative_; }
    // y at x, and the slope where y has a value.
    [[nodiscard]] TraceReading at(double x) const;

  private:
    std::string formula_;
    EvaluatorFunction value_;
    GraphDerivative derivative_;
};

// "x = 1.5; y = 2.25; y' = 3" (UTF-8), with 12 significant digits as the special points are written and
// the separator in force; "нет значения" for a value the graph lacks and the message for an arithmetic
// error, in place of the number. The slope is left out where y has no value.
[[nodiscard]] std::string TraceText(const TraceReading& reading);

// The x of pixel column `column` of a picture `width` pixels wide showing xmin..xmax: the inverse of
// PlotMapping::column (x = xmin at column 18, xmax at width - 18), so that the column of the result is
// `column` again. The two edge columns give the limits exactly; elsewhere the rounding noise of the
// division is dropped (the shortest decimal within a 1e-12 share of the span: 0, not 1E-18). Throws
// ArithmeticError (division by zero) for an empty span, as the mapping does.
[[nodiscard]] double ColumnX(int column, int width, double xmin, double xmax);

} // namespace orvex
