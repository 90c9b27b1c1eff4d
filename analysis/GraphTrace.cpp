#include "GraphTrace.h"

#include "ArithmeticError.h"
#include "ShortestDecimal.h"
#include "SpecialPoints.h"

#include <cmath>

namespace orvex {

namespace {

constexpr int kMargin = 18;            // of the plot rectangle, on every side
constexpr long double kNoise = 1e-12L; // of the span: far below one pixel column

std::string readingText(const ValueCell& cell) {
    switch (cell.kind) {
    case ValueCell::Kind::Value:
        return PointText(cell.value);
    case ValueCell::Kind::NoValue:
        return "нет значения";
    case ValueCell::Kind::Error:
        return cell.error;
    }
    return {};
}

} // namespace

GraphTrace::GraphTrace(const std::string& formula)
    : formula_(formula), value_(EvaluatorOf(formula)), derivative_(DeriveGraph(formula)) {}

TraceReading GraphTrace::at(double x) const {
    TraceReading reading;
    reading.x = x;
    reading.y = EvaluateCell(value_, x);
    if (reading.y.kind == ValueCell::Kind::Value)
        reading.slope = EvaluateCell(derivative_.value, x);
    return reading;
}

std::string TraceText(const TraceReading& reading) {
    std::string text = "x = " + PointText(reading.x) + "; y = " + readingText(reading.y);
    if (reading.y.kind == ValueCell::Kind::Value)
        text += "; y' = " + readingText(reading.slope);
    return text;
}

double ColumnX(int column, int width, double xmin, double xmax) {
    const long double span = static_cast<long double>(xmax) - xmin;
    if (span == 0)
        throw ArithmeticError(ArithmeticError::Kind::DivisionByZero);
    if (column == kMargin)
        return xmin;
    if (column == width - kMargin)
        return xmax;
    // The scale as the mapping holds it: a double.
    const auto kx = static_cast<double>((width - 2 * kMargin) / span);
    if (kx == 0) // no room between the margins
        return xmin;
    const long double x = xmin + (column - kMargin) / static_cast<long double>(kx);
    const long double noise = std::fabs(span) * kNoise;
    return analysis::ShortestDecimal(static_cast<double>(x - noise), static_cast<double>(x + noise));
}

} // namespace orvex
