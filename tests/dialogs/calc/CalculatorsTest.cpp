// The five calculators: the label texts of the worked examples under both decimal separators, the mended
// faults (planes with zero coefficients, a negative a's imaginary part) and one case per error.
#include "Calculators.h"
#include "ArithmeticError.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <ostream>
#include <string>
#include <vector>

namespace orvex {
namespace {

struct Case {
    char separator;
    std::vector<std::string> fields; // the calculator, then its field texts
    std::string labels;              // the result labels, or the error's kind and message
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << "'" << c.separator << "'";
    for (const std::string& field : c.fields)
        *os << " [" << field << "]";
}

// Runs one calculator on its field texts as the dialog does.
std::string Calculate(const std::vector<std::string>& f) {
    try {
        if (f[0] == "integral") {
            int steps = 0;
            (void)std::from_chars(f[4].data(), f[4].data() + f[4].size(), steps);
            return CalculateIntegral(f[1], f[2], f[3], steps);
        }
        if (f[0] == "value")
            return CalculateValue(f[1], f[2]);
        if (f[0] == "line")
            return CalculateLine(f[1], f[2], f[3], f[4]);
        if (f[0] == "quad") {
            const QuadraticRoots roots = SolveQuadratic(f[1], f[2], f[3]);
            return roots.x1 + " " + roots.x2 + (roots.zeroA ? " (a = 0)" : "");
        }
        return CalculatePlanesAngle({f[1], f[2], f[3]}, {f[4], f[5], f[6]});
    } catch (const ConversionError& e) {
        return std::string("conversion: ") + e.what();
    } catch (const ArithmeticError& e) {
        return std::string("arithmetic: ") + e.what();
    }
}

class CalculatorTest : public ::testing::TestWithParam<Case> {
  protected:
    void TearDown() override { SetDecimalSeparator('\0'); }
};

TEST_P(CalculatorTest, WritesTheLabels) {
    SetDecimalSeparator(GetParam().separator);
    EXPECT_EQ(Calculate(GetParam().fields), GetParam().labels);
}

const std::string kParallel = "Угол=0; плоскости параллельны";

INSTANTIATE_TEST_SUITE_P(
    Calculators, CalculatorTest,
    ::testing::Values(
        Case{'.', {"integral", "x", "0", "1", "10"}, "Интеграл=0.45"},
        Case{'.', {"integral", "x", "1", "0", "10"}, "Интеграл=-0.55"},
        Case{'.', {"integral", "-1", "0", "1", "10"}, "Интеграл=1"}, // |f| is summed
        Case{'.', {"integral", "sqrt(x)", "-1", "1", "10"}, "Интеграл=Невозможно вычислить"},
        // Past the 50th character the formula is cut: the "+1000" never counts.
        Case{'.', {"integral", "2" + std::string(49, ' ') + "+1000", "0", "3", "10"}, "Интеграл=6"},
        Case{',', {"integral", "x", "0,5", "1,5", "10"}, "Интеграл=0,95"},
        Case{'.', {"value", "x^2", "3"}, "y = 9"}, Case{'.', {"value", "sqrt(x)", "-4"}, "y ="},
        Case{',', {"value", "x/4", "1"}, "y = 0,25"},
        Case{'.', {"line", "0", "1", "1", "3"}, "Уравнение прямой: y = 2x+1"},
        Case{'.', {"line", "0", "0", "1", "-1"}, "Уравнение прямой: y = -x"},
        Case{'.', {"line", "0", "-3", "1", "-1"}, "Уравнение прямой: y = 2x-3"},
        Case{'.', {"line", "0", "-3", "5", "-3"}, "Уравнение прямой: y = -3"},
        Case{'.', {"line", "3", "1", "3", "5"}, "Уравнение прямой: x = 3"},
        Case{'.', {"line", "", "1", "3", "5"}, "Уравнение прямой:"},
        Case{'.', {"quad", "1", "-3", "2"}, "X1=1 X2=2"},
        Case{'.', {"quad", "1", "0", "-2"}, "X1=-1.414 X2=1.414"},
        Case{'.', {"quad", "-1", "2", "-5"}, "X1=1-2i X2=1+2i"}, // the imaginary part's magnitude
        Case{'.', {"quad", "1", "0", "-1E10"}, "X1=-1E0005 X2=1E0005"},
        Case{'.', {"quad", "1", "0", "-1E-10"}, "X1=-1E-0005 X2=1E-0005"},
        Case{',', {"quad", "2", "0,5", "0"}, "X1=-0,25 X2=0"},
        Case{'.', {"quad", "0", "1", "1"}, "X1= X2= (a = 0)"},
        Case{'.', {"planes", "1", "2", "3", "2", "4", "6"}, kParallel},
        Case{',', {"planes", "1", "0", "1", "1", "1", "1"}, "Угол=0,615479708670387 рад"},
        // Zero coefficients of the second plane are compared cross-multiplied, never divided by.
        Case{'.', {"planes", "1", "0", "0", "0", "0", "1"}, "Угол=pi/2; плоскости перпендикулярны"},
        Case{'.', {"planes", "0", "0", "1", "0", "0", "-2"}, kParallel},
        // Nearly parallel: the cosine rounds past 1 and is clamped.
        Case{'.', {"planes", "0.1", "0.5", "0.7", "0.1", "0.5", "0.70000000000000007"}, "Угол=0 рад"},
        Case{',', {"value", "x", "0.5"}, "conversion: '0.5' is not a valid floating point value"},
        Case{'.', {"quad", "1", "1E200", "0"}, "arithmetic: Floating point overflow"},
        // Extended precision reads 1E400, but a sample is held as a double.
        Case{'.', {"integral", "x", "1E400", "1E401", "10"}, "arithmetic: Floating point overflow"}));

} // namespace
} // namespace orvex
