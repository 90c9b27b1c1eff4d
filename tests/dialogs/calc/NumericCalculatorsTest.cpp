// The line, the quadratic equation and the angle between planes: plain numbers, no formula.
#include "ArithmeticError.h"
#include "Calculators.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace orvex {
namespace {

class SeparatorGuard {
  public:
    explicit SeparatorGuard(char separator) { SetDecimalSeparator(separator); }
    ~SeparatorGuard() { SetDecimalSeparator('\0'); }
    SeparatorGuard(const SeparatorGuard&) = delete;
    SeparatorGuard& operator=(const SeparatorGuard&) = delete;
};

struct LineRow {
    const char* x1;
    const char* y1;
    const char* x2;
    const char* y2;
    char separator;
    const char* label;
};

void PrintTo(const LineRow& r, std::ostream* os) {
    *os << "(" << r.x1 << "; " << r.y1 << ") (" << r.x2 << "; " << r.y2 << "), '" << r.separator << "'";
}

class LineTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(LineTest, WritesTheEquation) {
    const LineRow& row = GetParam();
    const SeparatorGuard guard(row.separator);
    EXPECT_EQ(CalculateLine(row.x1, row.y1, row.x2, row.y2), row.label);
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, LineTest,
    ::testing::Values(
        LineRow{"0", "1", "1", "3", '.', "Уравнение прямой: y = 2x+1"},
        LineRow{"0", "0", "1", "1", '.', "Уравнение прямой: y = x"},
        LineRow{"0", "0", "1", "-1", '.', "Уравнение прямой: y = -x"},
        LineRow{"1", "0", "2", "-2", '.', "Уравнение прямой: y = -2x+2"},
        LineRow{"0", "-3", "1", "-1", '.', "Уравнение прямой: y = 2x-3"},
        LineRow{"0", "0", "2", "1", '.', "Уравнение прямой: y = 0.5x"},
        LineRow{"1", "1", "4", "2", '.', "Уравнение прямой: y = 0.333333333333333x+0.666666666666667"},
        LineRow{"0", "0", "5", "0", '.', "Уравнение прямой: y = 0"},
        LineRow{"0", "-3", "5", "-3", '.', "Уравнение прямой: y = -3"},
        LineRow{"3", "1", "3", "5", '.', "Уравнение прямой: x = 3"},
        LineRow{"3", "1", "3", "1", '.', "Уравнение прямой: x = 3"},
        LineRow{"1", "1", "4", "2", ',', "Уравнение прямой: y = 0,333333333333333x+0,666666666666667"},
        LineRow{"2,5", "1", "2,5", "5", ',', "Уравнение прямой: x = 2,5"},
        LineRow{"", "1", "3", "5", '.', "Уравнение прямой:"}));

struct QuadraticRow {
    const char* a;
    const char* b;
    const char* c;
    char separator;
    const char* x1;
    const char* x2;
};

void PrintTo(const QuadraticRow& r, std::ostream* os) {
    *os << r.a << " " << r.b << " " << r.c << ", '" << r.separator << "'";
}

class QuadraticTest : public ::testing::TestWithParam<QuadraticRow> {};

TEST_P(QuadraticTest, WritesBothRoots) {
    const QuadraticRow& row = GetParam();
    const SeparatorGuard guard(row.separator);
    const QuadraticRoots roots = SolveQuadratic(row.a, row.b, row.c);
    EXPECT_FALSE(roots.zeroA);
    EXPECT_EQ(roots.x1, row.x1);
    EXPECT_EQ(roots.x2, row.x2);
}

INSTANTIATE_TEST_SUITE_P(Calculators, QuadraticTest,
                         ::testing::Values(QuadraticRow{"1", "-3", "2", '.', "X1=1", "X2=2"},
                                           QuadraticRow{"1", "2", "1", '.', "X1=-1", "X2=-1"},
                                           QuadraticRow{"1", "0", "-2", '.', "X1=-1.414", "X2=1.414"},
                                           QuadraticRow{"3", "1", "0", '.', "X1=-0.3333", "X2=0"},
                                           QuadraticRow{"2", "3", "-2", '.', "X1=-2", "X2=0.5"},
                                           QuadraticRow{"1", "2", "5", '.', "X1=-1-2i", "X2=-1+2i"},
                                           QuadraticRow{"1", "1", "1", '.', "X1=-0.5-0.866i",
                                                        "X2=-0.5+0.866i"},
                                           QuadraticRow{"1", "0", "1", '.', "X1=0-1i", "X2=0+1i"},
                                           // a < 0: the imaginary part is written by its magnitude.
                                           QuadraticRow{"-1", "2", "-5", '.', "X1=1-2i", "X2=1+2i"},
                                           QuadraticRow{"1", "0", "-1E10", '.', "X1=-1E0005", "X2=1E0005"},
                                           QuadraticRow{"1", "0", "-2", ',', "X1=-1,414", "X2=1,414"},
                                           QuadraticRow{"2", "0,5", "0", ',', "X1=-0,25", "X2=0"}));

TEST(Quadratic, ZeroAAsksForAnotherCoefficient) {
    const SeparatorGuard guard('.');
    const QuadraticRoots roots = SolveQuadratic("0", "1", "1");
    EXPECT_TRUE(roots.zeroA);
    EXPECT_EQ(roots.x1, "X1=");
    EXPECT_EQ(roots.x2, "X2=");
}

TEST(Quadratic, EmptyFieldIsAConversionError) {
    const SeparatorGuard guard('.');
    try {
        (void)SolveQuadratic("1", "", "1");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
}

TEST(Quadratic, DiscriminantBeyondDoubleRangeOverflows) {
    const SeparatorGuard guard('.');
    EXPECT_THROW((void)SolveQuadratic("1", "1E200", "0"), ArithmeticError);
}

struct RootTextRow {
    long double value;
    const char* text;
};

void PrintTo(const RootTextRow& r, std::ostream* os) {
    *os << r.text;
}

class RootTextTest : public ::testing::TestWithParam<RootTextRow> {};

TEST_P(RootTextTest, PadsTheExponent) {
    const SeparatorGuard guard('.');
    EXPECT_EQ(RootText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Calculators, RootTextTest,
                         ::testing::Values(RootTextRow{100000.0L, "1E0005"},
                                           RootTextRow{0.00001234L, "1.234E-0005"},
                                           RootTextRow{-1.41421356L, "-1.414"}, RootTextRow{9999.4L, "9999"},
                                           RootTextRow{9999.5L, "1E0004"}, RootTextRow{-0.0L, "0"},
                                           RootTextRow{1.5e300L, "1.5E0300"},
                                           RootTextRow{2e-4000L, "2E-4000"}));

struct PlanesRow {
    PlaneTexts first;
    PlaneTexts second;
    char separator;
    const char* label;
};

void PrintTo(const PlanesRow& r, std::ostream* os) {
    *os << "(" << r.first.a << "; " << r.first.b << "; " << r.first.c << ") (" << r.second.a << "; "
        << r.second.b << "; " << r.second.c << "), '" << r.separator << "'";
}

class PlanesTest : public ::testing::TestWithParam<PlanesRow> {};

TEST_P(PlanesTest, WritesTheAngle) {
    const PlanesRow& row = GetParam();
    const SeparatorGuard guard(row.separator);
    EXPECT_EQ(CalculatePlanesAngle(row.first, row.second), row.label);
}

constexpr const char* kParallel = "Угол=0; плоскости параллельны";
constexpr const char* kPerpendicular = "Угол=pi/2; плоскости перпендикулярны";

INSTANTIATE_TEST_SUITE_P(
    Calculators, PlanesTest,
    ::testing::Values(PlanesRow{{"1", "2", "3"}, {"2", "4", "6"}, '.', kParallel},
                      PlanesRow{{"1", "1", "0"}, {"1", "-1", "1"}, '.', kPerpendicular},
                      PlanesRow{{"1", "0", "1"}, {"1", "1", "1"}, '.', "Угол=0.615479708670387 рад"},
                      PlanesRow{{"1", "0", "1"}, {"1", "1", "1"}, ',', "Угол=0,615479708670387 рад"},
                      PlanesRow{{"0", "0", "0"}, {"1", "2", "3"}, '.', kParallel},
                      // Zero coefficients of the second plane: compared cross-multiplied, no division.
                      PlanesRow{{"1", "0", "0"}, {"0", "0", "1"}, '.', kPerpendicular},
                      PlanesRow{{"0", "0", "1"}, {"0", "0", "-2"}, '.', kParallel},
                      PlanesRow{{"1", "2", "0"}, {"2", "4", "0"}, '.', kParallel},
                      PlanesRow{{"1", "0", "0"}, {"1", "0", "1"}, '.', "Угол=0.785398163397448 рад"},
                      // Nearly parallel: the cosine rounds past 1 and is clamped.
                      PlanesRow{
                          {"0.1", "0.5", "0.7"}, {"0.1", "0.5", "0.70000000000000007"}, '.', "Угол=0 рад"}));

TEST(Planes, EmptyFieldIsAConversionError) {
    const SeparatorGuard guard('.');
    EXPECT_THROW((void)CalculatePlanesAngle({"1", "2", "3"}, {"1", "", "3"}), ConversionError);
}

} // namespace
} // namespace orvex
