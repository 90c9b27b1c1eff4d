#include "Calculators.h"

#include "ArithmeticError.h"
#include "NumberText.h"
#include "PreparedFormula.h"

#include <algorithm>
#include <cmath>

namespace orvex {

namespace {

using Kind = ArithmeticError::Kind;

// A value stored into a double: what the floating-point unit would report as an error is raised here,
// so that no infinity or NaN ever reaches a label.
double HeldAsDouble(long double v) {
    if (std::isnan(v))
        throw ArithmeticError(Kind::InvalidOperation);
    if (std::isinf(v))
        throw ArithmeticError(Kind::Overflow);
    const auto d = static_cast<double>(v);
    if (std::isinf(d))
        throw ArithmeticError(Kind::Overflow);
    return d;
}

long double Finite(long double v) {
    if (std::isnan(v))
        throw ArithmeticError(Kind::InvalidOperation);
    if (std::isinf(v))
        throw ArithmeticError(Kind::Overflow);
    return v;
}

double ReadField(std::string_view text) {
    return HeldAsDouble(StrToFloat(text));
}

std::string Text(long double v) {
    return NumberText(v, 15);
}

bool ValueAt(const PreparedFormula& formula, double x, long double& value) {
    if (!formula.valueAt(x, value))
        return false;
    Finite(value);
    return true;
}

// One comparison of the parallel test, p1/p2 = q1/q2. Written as quotients when neither divisor is 0
// and cross-multiplied otherwise, so that a zero coefficient of the second plane is no error.
bool SameRatio(long double p1, long double p2, long double q1, long double q2) {
    if (p2 != 0 && q2 != 0)
        return p1 / p2 == q1 / q2;
    return p1 * q2 == q1 * p2;
}

} // namespace

std::string CalculateIntegral(std::string_view formula, std::string_view x1, std::string_view x2, int steps) {
    std::string label(calc::kIntegralReset);
    if (x1.empty() || x2.empty() || formula.empty())
        return label;
    const long double a = StrToFloat(x1);
    const long double b = StrToFloat(x2);
    const PreparedFormula f(formula);
    const int n = std::clamp(steps, calc::kMinSteps, calc::kMaxSteps);
    const long double h = Finite((b - a) / n);
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const double x = HeldAsDouble(a + static_cast<long double>(i) * h);
        long double v = 0;
        if (!ValueAt(f, x, v))
            return label.append(calc::kIntegralFailed);
        const double product = HeldAsDouble(h * std::fabs(v));
        sum = HeldAsDouble(static_cast<long double>(sum) + product);
    }
    return label + Text(sum);
}

std::string CalculateValue(std::string_view formula, std::string_view x) {
    std::string label(calc::kValueReset);
    if (x.empty() || formula.empty())
        return label;
    const PreparedFormula f(formula);
    const double at = ReadField(x);
    long double v = 0;
    if (ValueAt(f, at, v))
        label += " " + Text(v);
    return label;
}

std::string CalculateLine(std::string_view x1Text, std::string_view y1Text, std::string_view x2Text,
                          std::string_view y2Text) {
    std::string label(calc::kLineReset);
    if (x1Text.empty() || y1Text.empty() || x2Text.empty() || y2Text.empty())
        return label;
    const double x1 = ReadField(x1Text);
    const double y1 = ReadField(y1Text);
    const double x2 = ReadField(x2Text);
    const double y2 = ReadField(y2Text);
    if (x1 == x2)
        return label + " x = " + Text(x1);

    const double k = HeldAsDouble((static_cast<long double>(y2) - y1) / (static_cast<long double>(x2) - x1));
    const double b = HeldAsDouble(y1 - static_cast<long double>(k) * x1);
    std::string xTerm;
    if (k == 1)
        xTerm = "x";
    else if (k == -1)
        xTerm = "-x";
    else if (k != 0)
        xTerm = Text(k) + "x";
    const std::string sign = (k != 0 && b > 0) ? "+" : "";
    const std::string constant = (k != 0 && b == 0) ? "" : Text(b);
    return label + " y = " + xTerm + sign + constant;
}

QuadraticRoots SolveQuadratic(std::string_view aText, std::string_view bText, std::string_view cText) {
    QuadraticRoots roots{std::string(calc::kRoot1Reset), std::string(calc::kRoot2Reset)};
    const double a = ReadField(aText);
    const double b = ReadField(bText);
    const double c = ReadField(cText);
    if (a == 0) {
        roots.zeroA = true;
        return roots;
    }
    const double d = HeldAsDouble(static_cast<long double>(b) * b - 4.0L * a * c);
    const long double halfMinusB = -static_cast<long double>(b) / 2;
    if (d == 0) {
        const std::string r = RootText(halfMinusB / a);
        roots.x1 += r;
        roots.x2 += r;
    } else if (d > 0) {
        const long double root = std::sqrt(static_cast<long double>(d));
        roots.x1 += RootText(((-static_cast<long double>(b) - root) / 2) / a);
        roots.x2 += RootText(((-static_cast<long double>(b) + root) / 2) / a);
    } else {
        // The magnitude of the imaginary part, so that X1 = re - im i and X2 = re + im i whatever a's sign.
        const std::string re = RootText(halfMinusB / a);
        const std::string im =
            RootText(std::fabs((std::sqrt(std::fabs(static_cast<long double>(d))) / 2) / a));
        roots.x1 += re + "-" + im + "i";
        roots.x2 += re + "+" + im + "i";
    }
    return roots;
}

std::string CalculatePlanesAngle(const PlaneTexts& first, const PlaneTexts& second) {
    const long double a1 = ReadField(first.a);
    const long double b1 = ReadField(first.b);
    const long double c1 = ReadField(first.c);
    const long double a2 = ReadField(second.a);
    const long double b2 = ReadField(second.b);
    const long double c2 = ReadField(second.c);
    if (SameRatio(a1, a2, b1, b2) && SameRatio(a1, a2, c1, c2) && SameRatio(b1, b2, c1, c2))
        return "Угол=0; плоскости параллельны";
    const long double dot = a1 * a2 + b1 * b2 + c1 * c2;
    if (dot == 0)
        return "Угол=pi/2; плоскости перпендикулярны";
    const long double norm1 = std::sqrt(a1 * a1 + b1 * b1 + c1 * c1);
    const long double norm2 = std::sqrt(a2 * a2 + b2 * b2 + c2 * c2);
    // Rounding can push the cosine of nearly parallel planes just past 1.
    const long double u = std::min(Finite((std::fabs(dot) / norm1) / norm2), 1.0L);
    const double angle = HeldAsDouble(std::atan2(std::sqrt(1 - u * u), u));
    return "Угол=" + Text(angle) + " рад";
}

std::string RootText(long double v) {
    std::string text = NumberText(v, 4);
    const std::size_t e = text.find('E');
    if (e == std::string::npos)
        return text;
    const std::size_t digits = text.find_first_not_of('-', e + 1);
    const std::size_t count = text.size() - digits;
    if (count < 4)
        text.insert(digits, 4 - count, '0');
    return text;
}

} // namespace orvex
