// Special points of formulas with known answers, one table per rule, plus density, cancelling and
// empty ranges.
#include "SpecialPoints.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numbers>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace orvex {
namespace {

using Kind = SpecialPoint::Kind;
constexpr double kPi = std::numbers::pi;

SpecialPoint Z(double x) {
    return {Kind::Zero, x, 0};
}
SpecialPoint Min(double x, long double y) {
    return {Kind::Minimum, x, y};
}
SpecialPoint Max(double x, long double y) {
    return {Kind::Maximum, x, y};
}
SpecialPoint I(int other, double x, long double y) {
    return {Kind::Intersection, x, y, other};
}

std::string Text(const SpecialPoint& p) {
    static const char* const kNames[] = {"Z", "Min", "Max", "I"};
    std::ostringstream os;
    os.precision(17);
    os << kNames[static_cast<int>(p.kind)] << (p.other >= 0 ? std::to_string(p.other) : "") << "(" << p.x
       << ", " << static_cast<double>(p.y) << ")";
    return os.str();
}

std::string Describe(const std::vector<SpecialPoint>& points) {
    std::string text;
    for (const auto& p : points)
        text += Text(p) + " ";
    return text;
}

struct Case {
    const char* name;
    std::string formula;
    std::vector<std::string> others;
    double xmin = -5;
    double xmax = 5;
    std::vector<SpecialPoint> points;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.formula;
}

std::vector<SpecialPoint> Find(const Case& c) {
    std::vector<GraphFunction> others;
    for (const auto& o : c.others)
        others.push_back(FormulaFunction(o));
    AnalysisRange range;
    range.xmin = c.xmin;
    range.xmax = c.xmax;
    return FindSpecialPoints(FormulaFunction(c.formula), others, range);
}

bool Near(long double actual, long double expected) {
    return std::fabs(actual - expected) <= 1e-9L * std::max(1.0L, std::fabs(expected));
}

class SpecialPointsTest : public ::testing::TestWithParam<Case> {};

TEST_P(SpecialPointsTest, FindsExactlyTheExpectedPoints) {
    const auto actual = Find(GetParam());
    const auto& expected = GetParam().points;
    ASSERT_EQ(actual.size(), expected.size()) << Describe(actual);
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].kind, expected[i].kind) << i << ": " << Describe(actual);
        EXPECT_EQ(actual[i].other, expected[i].other) << i << ": " << Describe(actual);
        EXPECT_TRUE(Near(actual[i].x, expected[i].x) && Near(actual[i].y, expected[i].y))
            << i << ": " << Text(actual[i]) << ", expected " << Text(expected[i]);
    }
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Polynomials, SpecialPointsTest,
    ::testing::Values(Case{"Parabola", "x^2-4", {}, -5, 5, {Z(-2), Min(0, -4), Z(2)}},
                      Case{"Cubic",
                           "x^3-3*x",
                           {},
                           -5,
                           5,
                           {Z(-std::sqrt(3.0)), Max(-1, 2), Z(0), Min(1, -2), Z(std::sqrt(3.0))}},
                      // Both zeros lie between the same two samples; the dip between them shows.
                      Case{"ZerosWithinOneSample",
                           "(x-0,101)*(x-0,105)",
                           {},
                           -5,
                           5,
                           {Z(0.101), Min(0.103, -4e-6L), Z(0.105)}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Trigonometric, SpecialPointsTest,
    ::testing::Values(Case{"Sine",
                           "sin(x)",
                           {},
                           -7,
                           7,
                           {Z(-2 * kPi), Max(-1.5 * kPi, 1), Z(-kPi), Min(-0.5 * kPi, -1), Z(0),
                            Max(0.5 * kPi, 1), Z(kPi), Min(1.5 * kPi, -1), Z(2 * kPi)}},
                      Case{"Cosine",
                           "cos(3*x)",
                           {},
                           0,
                           3,
                           {Z(kPi / 6), Min(kPi / 3, -1), Z(kPi / 2), Max(2 * kPi / 3, 1), Z(5 * kPi / 6)}}),
    CaseName);

// A sign change across a pole, a gap or a jump is not a zero, and a top or bottom there is no extremum.
INSTANTIATE_TEST_SUITE_P(PolesAndGaps, SpecialPointsTest,
                         ::testing::Values(Case{"Hyperbola", "1/x", {}, -5, 5, {}},
                                           Case{"PoleBetweenSamples", "1/(x-0,3)", {}, -5, 5, {}},
                                           Case{"InverseSquare", "1/x^2", {}, -5, 5, {}},
                                           Case{"Tangent", "tg(x)", {}, -5, 5, {Z(-kPi), Z(0), Z(kPi)}},
                                           Case{"SignAcrossGap", "x/abs(x)", {}, -5, 5, {}},
                                           Case{"JumpWithoutGap", "arcctg(x)", {}, -5, 5, {}},
                                           Case{"ZeroInHole", "x^2/x", {}, -5, 5, {}},
                                           Case{"HoleBetweenSamples", "sin(x)/x", {}, -0.503, 0.5, {}},
                                           Case{"IslandsOfValue", "(-2)^x", {}, -5, 5, {}},
                                           Case{"ZeroBesideHole", "(x-0,001)*x/x", {}, -5, 5, {Z(0.001)}}),
                         CaseName);

INSTANTIATE_TEST_SUITE_P(
    TouchingZeros, SpecialPointsTest,
    ::testing::Values(Case{"Square", "(x-1)^2", {}, -5, 5, {Z(1), Min(1, 0)}},
                      Case{"ExpandedSquare", "x^2-2*x+1", {}, -5, 5, {Z(1), Min(1, 0)}},
                      Case{"BetweenSamples", "(x-0,123)^2", {}, -5, 5, {Z(0.123), Min(0.123, 0)}},
                      Case{"FromBelow", "-x^4", {}, -5, 5, {Z(0), Max(0, 0)}},
                      Case{"SineSquared",
                           "sin(x)^2",
                           {},
                           -4,
                           4,
                           {Z(-kPi), Min(-kPi, 0), Max(-kPi / 2, 1), Z(0), Min(0, 0), Max(kPi / 2, 1), Z(kPi),
                            Min(kPi, 0)}},
                      Case{"FourthOrderUneven",
                           "(x-0,123)^4*(x+1)",
                           {},
                           -5,
                           5,
                           {Z(-1), Max(-0.7754, std::pow(-0.8984L, 4) * 0.2246L), Z(0.123), Min(0.123, 0)}},
                      // Rounding of the evaluator is far below 1e-8 here: a minimum, not a zero.
                      Case{"JustAbove", "x^2+0,00000001", {}, -5, 5, {Min(0, 1e-8L)}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Kinks, SpecialPointsTest,
    ::testing::Values(Case{"Abs", "abs(x)", {}, -5, 5, {Z(0), Min(0, 0)}},
                      Case{"ShiftedV", "abs(x-1)-1", {}, -5, 5, {Z(0), Min(1, -1), Z(2)}},
                      Case{"BetweenSamples", "|x-0,123|+2", {}, -5, 5, {Min(0.123, 2)}},
                      Case{"W", "abs(abs(x)-2)", {}, -5, 5, {Z(-2), Min(-2, 0), Max(0, 2), Z(2), Min(2, 0)}}),
    CaseName);

// A constant stretch has no extrema inside it and lists its zero stretch by its ends; a flat bottom is
// one minimum at its middle.
INSTANTIATE_TEST_SUITE_P(
    Plateaus, SpecialPointsTest,
    ::testing::Values(Case{"Constant", "5", {}, -5, 5, {}},
                      Case{"ZeroToTheEnd", "abs(x)-x", {}, -5, 5, {Z(0)}},
                      Case{"ZeroStretch", "abs(x-1)+abs(x+1)-2", {}, -5, 5, {Z(-1), Min(0, 0), Z(1)}},
                      Case{"FlatBottom", "abs(x-1)+abs(x+1)", {}, -5, 5, {Min(0, 2)}},
                      Case{"EighthOrder", "x^8+1", {}, -5, 5, {Min(0, 1)}},
                      // Identities: only rounding noise is left of them.
                      Case{"ZeroUpToRounding", "sin(2*x)-2*sin(x)*cos(x)", {}, -5, 5, {}},
                      Case{"OneUpToRounding", "sin(x)^2+cos(x)^2", {}, -5, 5, {}}),
    CaseName);

double SincExtremum(int k) { // the k-th positive root of tg(x) = x
    return k == 1 ? 4.493409457909064 : 7.725251836937707;
}

INSTANTIATE_TEST_SUITE_P(
    PartlyWithoutValue, SpecialPointsTest,
    ::testing::Values(Case{"SquareRoot", "sqrt(x)-1", {}, -5, 5, {Z(1)}},
                      Case{"Logarithm", "ln(x)", {}, -5, 5, {Z(1)}},
                      Case{"HalfCircle", "sqrt(1-x^2)", {}, -5, 5, {Z(-1), Max(0, 1), Z(1)}},
                      Case{"Overflow", "sh(3000*x)", {}, -5, 5, {Z(0)}},
                      // The top at 0 is a hole: sin(x)/x has no value there.
                      Case{"Sinc",
                           "sin(x)/x",
                           {},
                           -10,
                           10,
                           {Z(-3 * kPi), Max(-SincExtremum(2), std::sin(SincExtremum(2)) / SincExtremum(2)),
                            Z(-2 * kPi), Min(-SincExtremum(1), std::sin(SincExtremum(1)) / SincExtremum(1)),
                            Z(-kPi), Z(kPi),
                            Min(SincExtremum(1), std::sin(SincExtremum(1)) / SincExtremum(1)), Z(2 * kPi),
                            Max(SincExtremum(2), std::sin(SincExtremum(2)) / SincExtremum(2)), Z(3 * kPi)}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Intersections, SpecialPointsTest,
    ::testing::Values(Case{"LineAndConstant",
                           "x^2",
                           {"x+2", "1"},
                           -5,
                           5,
                           {I(0, -1, 1), I(1, -1, 1), Z(0), Min(0, 0), I(1, 1, 1), I(0, 2, 4)}},
                      Case{"Tangent", "x^2", {"2*x-1"}, -5, 5, {Z(0), Min(0, 0), I(0, 1, 1)}},
                      Case{"TangentBetweenSamples",
                           "x^2",
                           {"0,246*x-0,015129"},
                           -5,
                           5,
                           {Z(0), Min(0, 0), I(0, 0.123, 0.015129L)}},
                      Case{"SineCosine",
                           "sin(x)",
                           {"cos(x)"},
                           -5,
                           5,
                           {Max(-1.5 * kPi, 1), Z(-kPi), I(0, -0.75 * kPi, -std::sqrt(0.5)),
                            Min(-0.5 * kPi, -1), Z(0), I(0, 0.25 * kPi, std::sqrt(0.5)), Max(0.5 * kPi, 1),
                            Z(kPi), I(0, 1.25 * kPi, -std::sqrt(0.5)), Min(1.5 * kPi, -1)}},
                      // The same graph does not intersect itself; opposite poles do not meet.
                      Case{"Identical", "x", {"x", "2*x"}, -5, 5, {Z(0), I(1, 0, 0)}},
                      Case{"AcrossPole", "1/x", {"-1/x"}, -5, 5, {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(EmptyRange, SpecialPointsTest,
                         ::testing::Values(Case{"Point", "x-1", {}, 1, 1, {}},
                                           Case{"Reversed", "x-1", {}, 2, 0, {}}),
                         CaseName);

// Many features close together, at the density of a wide picture: none may be lost or doubled.
TEST(SpecialPointsDensity, FindsEveryZeroAndExtremumOfAFastSine) {
    AnalysisRange range;
    range.quality = 200;
    range.columns = 1900;
    const auto points = FindSpecialPoints(FormulaFunction("sin(100*x)"), {}, range);
    std::vector<double> zeros;
    int extrema = 0;
    for (const auto& p : points) {
        if (p.kind == Kind::Zero)
            zeros.push_back(p.x);
        else
            ++extrema;
    }
    ASSERT_EQ(zeros.size(), 319u); // k pi / 100 for |k| <= 159
    for (std::size_t i = 0; i < zeros.size(); ++i)
        EXPECT_NEAR(zeros[i], (static_cast<double>(i) - 159) * kPi / 100, 1e-12) << i;
    EXPECT_EQ(extrema, 318);
}

TEST(SpecialPointsCancel, StopsSoonAfterTheFlagIsSet) {
    std::atomic<bool> cancel = false;
    int calls = 0;
    const GraphFunction counting = [&](double x, long double& y) {
        if (++calls == 1000)
            cancel = true;
        y = std::sin(x);
        return true;
    };
    const std::vector<GraphFunction> others(100, counting);
    (void)FindSpecialPoints(counting, others, AnalysisRange{}, &cancel);
    EXPECT_LT(calls, 2000); // the whole search would take over 100000
}

} // namespace
} // namespace orvex
