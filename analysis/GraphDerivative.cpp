#include "GraphDerivative.h"

#include "DiffExpress.h"
#include "Evaluator.h"
#include "FormulaAsRead.h"
#include "FunctionTable.h"
#include "PreparedFormula.h"

#include <cmath>
#include <exception>
#include <memory>
#include <string_view>

namespace orvex {

namespace {

// Steps of the central differences, relative to max(1, |x|): about the cube root and the fourth root of
// the 15 digits the evaluator keeps, which balances rounding against truncation.
constexpr long double kFirstStep = 1e-5L;
constexpr long double kSecondStep = 1e-4L;

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

long double stepAt(double x, long double relative) {
    return relative * std::fmax(1.0L, std::fabs(static_cast<long double>(x)));
}

// (f(x+h) - f(x-h)) / 2h over the points as they are held in doubles.
EvaluatorFunction firstDifference(EvaluatorFunction f) {
    return [f = std::move(f)](double x, long double& y) {
        const long double h = stepAt(x, kFirstStep);
        const double right = static_cast<double>(x + h);
        const double left = static_cast<double>(x - h);
        long double fr = 0, fl = 0;
        if (!f(right, fr) || !f(left, fl))
            return false;
        y = (fr - fl) / (static_cast<long double>(right) - left);
        return std::isfinite(y);
    };
}

// (f(x+h) - 2 f(x) + f(x-h)) / h^2, the step held exactly on both sides.
EvaluatorFunction secondDifference(EvaluatorFunction f) {
    return [f = std::move(f)](double x, long double& y) {
        const long double h = stepAt(x, kSecondStep);
        const double right = static_cast<double>(x + h);
        const long double exact = static_cast<long double>(right) - x;
        const double left = static_cast<double>(x - exact);
        long double fr = 0, fm = 0, fl = 0;
        if (!f(right, fr) || !f(x, fm) || !f(left, fl))
            return false;
        y = (fr - 2 * fm + fl) / (exact * exact);
        return std::isfinite(y);
    };
}

// The derivative of `text` (already in the component's language) by the component.
GraphDerivative differentiate(const std::string& text) {
    GraphDerivative d;
    try {
        TDiffExpress component;
        component.SetFormula(text);
        component.Differentiate("x", d.text);
    } catch (const std::exception& e) {
        d.text.clear();
        d.error = e.what();
    }
    if (d.error.empty() && EvaluatorReadsWhole(d.text)) {
        d.method = GraphDerivative::Method::Symbolic;
        d.value = EvaluatorOf(d.text);
    }
    return d;
}

} // namespace

EvaluatorFunction EvaluatorOf(const std::string& formula) {
    return [prepared = std::make_shared<const PreparedFormula>(formula)](double x, long double& y) {
        long double value = 0;
        if (!prepared->valueAt(x, value) || !std::isfinite(value))
            return false;
        y = value;
        return true;
    };
}

std::string DifferentiableText(const std::string& formula) {
    std::string out;
    out.reserve(formula.size() + 8);
    bool barOpen = false;
    for (char c : formula.substr(0, kMaxFormulaLength)) {
        if (c == ' ')
            continue;
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c == ',')
            c = '.';
        if (c == ':')
            c = '/';
        if (c == '|') {
            out += barOpen ? ")" : "abs(";
            barOpen = !barOpen;
            continue;
        }
        out += c;
    }
    if (barOpen)
        out += ')';
    return out;
}

bool EvaluatorReadsWhole(const std::string& text) {
    // Preparation writes pi as 16 characters and puts "#" around every run of digits, separators and x;
    // whatever would pass 50 characters is cut off, which would change the values.
    std::size_t length = 0;
    bool inNumber = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (isLetter(c)) {
            std::size_t end = i;
            while (end < text.size() && isLetter(text[end]))
                ++end;
            const std::string_view name(text.data() + i, end - i);
            if (name == "pi") {
                length += (inNumber ? 16 : 18); // 3.14159265358979 joins a number run or makes one
                inNumber = true;
            } else if (name == "x") {
                length += inNumber ? 1 : 3;
                inNumber = true;
            } else if (detail::IsFunctionName(name)) {
                length += name.size();
                inNumber = false;
            } else {
                return false; // sgn, exp, a constant's name, the E of 1E-5
            }
            i = end;
            continue;
        }
        const bool numberChar = (c >= '0' && c <= '9') || c == '.' || c == ',';
        length += numberChar && !inNumber ? 3 : 1;
        inNumber = numberChar;
        if (c == ' ' || c == '|' || c == ':')
            return false; // never written by the component
        ++i;
    }
    return length <= kMaxFormulaLength;
}

GraphDerivative DeriveGraph(const std::string& formula) {
    // The derivative of what is drawn: of a long formula, the part the evaluator reads.
    GraphDerivative d = differentiate(DifferentiableText(ReadFormulaAsEvaluated(formula).text));
    if (d.method == GraphDerivative::Method::Numeric)
        d.value = firstDifference(EvaluatorOf(formula));
    return d;
}

GraphDerivative DeriveGraphAgain(const std::string& formula, const GraphDerivative& first) {
    if (first.text.empty()) {
        GraphDerivative d;
        d.error = first.error;
        d.value = secondDifference(EvaluatorOf(formula));
        return d;
    }
    GraphDerivative d = differentiate(first.text);
    if (d.method == GraphDerivative::Method::Numeric)
        d.value = first.method == GraphDerivative::Method::Symbolic ? firstDifference(first.value)
                                                                    : secondDifference(EvaluatorOf(formula));
    return d;
}

} // namespace orvex
