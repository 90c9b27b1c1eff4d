#pragma once

// The five calculators of the auxiliary-calculations dialog, free of any window code so that the dialog,
// the command-line tool and the tests share them. Each takes the texts of its fields, reads numbers
// with the decimal separator in force and returns the full text of its result label (UTF-8).
//
// Errors: a field that is not a number raises ConversionError ("'%s' is not a valid floating point
// value"); an arithmetic fault (overflow and the like) raises ArithmeticError. The caller then keeps the
// reset text of the label (the k...Reset constants below).

#include <optional>
#include <string>
#include <string_view>

namespace orvex {

namespace calc {
inline constexpr std::string_view kIntegralReset = "Интеграл=";
inline constexpr std::string_view kIntegralFailed = "Невозможно вычислить";
inline constexpr std::string_view kValueReset = "y =";
inline constexpr std::string_view kLineReset = "Уравнение прямой:";
inline constexpr std::string_view kRoot1Reset = "X1=";
inline constexpr std::string_view kRoot2Reset = "X2=";
inline constexpr std::string_view kZeroACaption = "Неправильный ввод";
inline constexpr std::string_view kZeroAMessage = "Коэффициент а не должен быть равен 0";

// The range of the integral's step count.
inline constexpr int kMinSteps = 10;
inline constexpr int kMaxSteps = 20000;
} // namespace calc

// Left-rectangle sum h * (|f(a)| + |f(a + h)| + ... + |f(a + (n-1)h)|) with h = (b - a) / n.
// `formula` is Windows-1251 text (its first 50 characters count); `steps` is clamped to
// kMinSteps..kMaxSteps. Returns "Интеграл=" when a field is empty, "Интеграл=Невозможно вычислить"
// when f has no value at a sample, otherwise "Интеграл=" and the sum.
[[nodiscard]] std::string CalculateIntegral(std::string_view formula, std::string_view x1,
                                            std::string_view x2, int steps);

// "y = " and f(x); "y =" when a field is empty or f has no value at x.
[[nodiscard]] std::string CalculateValue(std::string_view formula, std::string_view x);

// "Уравнение прямой: y = kx+b" or "Уравнение прямой: x = c"; "Уравнение прямой:" when a field is empty.
[[nodiscard]] std::string CalculateLine(std::string_view x1, std::string_view y1, std::string_view x2,
                                        std::string_view y2);

// The labels of the quadratic equation's two roots. With a = 0 the labels keep their reset texts and
// `zeroA` is set: the caller shows the message kZeroAMessage with the caption kZeroACaption.
struct QuadraticRoots {
    std::string x1;
    std::string x2;
    bool zeroA = false;
};
[[nodiscard]] QuadraticRoots SolveQuadratic(std::string_view a, std::string_view b, std::string_view c);

// The coefficient texts of one plane A x + B y + C z + D = 0 (D plays no part in the angle).
struct PlaneTexts {
    std::string_view a;
    std::string_view b;
    std::string_view c;
};
// "Угол=0; плоскости параллельны", "Угол=pi/2; плоскости перпендикулярны" or "Угол=<radians> рад".
[[nodiscard]] std::string CalculatePlanesAngle(const PlaneTexts& first, const PlaneTexts& second);

// A root as the quadratic tab writes it: 4 significant digits, the exponent of scientific notation
// zero-padded to four digits (1E0005, -1.234E-0005).
[[nodiscard]] std::string RootText(long double v);

} // namespace orvex
