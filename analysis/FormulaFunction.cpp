// The plot evaluator seen as a GraphFunction, and the number text of the special points.
#include "ArithmeticError.h"
#include "NumberText.h"
#include "PreparedFormula.h"
#include "SpecialPoints.h"

#include <cmath>
#include <memory>

namespace orvex {

GraphFunction FormulaFunction(std::string formula) {
    return [prepared = std::make_shared<const PreparedFormula>(formula)](double x, long double& y) {
        try {
            long double value = 0;
            if (!prepared->valueAt(x, value) || !std::isfinite(value))
                return false;
            y = value;
            return true;
        } catch (const ArithmeticError&) {
            return false;
        }
    };
}

std::string PointText(long double v) {
    return NumberText(v == 0 ? 0.0L : v, 12); // never "-0"
}

} // namespace orvex
