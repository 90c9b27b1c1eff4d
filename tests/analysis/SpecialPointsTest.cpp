// Special points of formulas with known answers, one table per rule, plus density, cancelling and
// empty ranges.
#include "SpecialPoints.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numbers>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
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

// A sample that lands exactly on a zero (here at x = 1, a point of the grid) must not hide a second zero
// next to it, of the graph or of the difference of two.
INSTANTIATE_TEST_SUITE_P(
    ZeroOnASample, SpecialPointsTest,
    ::testing::Values(
        Case{"SecondZeroRight", "(x-1)*(x-1,001)", {}, -5, 5, {Z(1), Min(1.0005, -2.5e-7L), Z(1.001)}},
        Case{"SecondZeroLeft", "(x-0,999)*(x-1)", {}, -5, 5, {Z(0.999), Min(0.9995, -2.5e-7L), Z(1)}},
        Case{"FromAbove", "(1-x)*(x-1,0001)", {}, -5, 5, {Z(1), Max(1.00005, 2.5e-9L), Z(1.0001)}},
        Case{"SecondIntersection",
             "x^2",
             {"2,001*x-1,001"},
             -5,
             5,
             {Z(0), Min(0, 0), I(0, 1, 1), I(0, 1.001, 1.002001L)}}),
    CaseName);

// A cusp: the slope grows without bound towards the extremum, so the values at the ends of the last,
// tiny bracket differ far more than rounding, as across a jump; but they close in on the extremum.
INSTANTIATE_TEST_SUITE_P(
    Cusps, SpecialPointsTest,
    ::testing::Values(
        Case{"RootOfAbs", "sqrt(abs(x))", {}, -5, 5, {Z(0), Min(0, 0)}},
        Case{"RaisedRoot", "sqrt(abs(x))+1", {}, -5, 5, {Min(0, 1)}},
        Case{
            "TopBetweenSamples", "2-sqrt(abs(x-0,1234))", {}, -5, 5, {Z(-3.8766), Max(0.1234, 2), Z(4.1234)}},
        Case{"FifthRoot", "abs(x-1)^0,2+2", {}, -5, 5, {Min(1, 2)}},
        Case{"Touching", "sqrt(abs(x-1))", {"-sqrt(abs(x-1))"}, -5, 5, {Z(1), Min(1, 0), I(0, 1, 0)}}),
    CaseName);

// A graph of size 1e-6 has its extrema as precisely as one of size 1.
INSTANTIATE_TEST_SUITE_P(SmallGraphs, SpecialPointsTest,
                         ::testing::Values(Case{"Sine",
                                                "0,000001*sin(x)",
                                                {},
                                                -5,
                                                5,
                                                {Max(-1.5 * kPi, 1e-6L), Z(-kPi), Min(-0.5 * kPi, -1e-6L),
                                                 Z(0), Max(0.5 * kPi, 1e-6L), Z(kPi),
                                                 Min(1.5 * kPi, -1e-6L)}},
                                           Case{"Cosine",
                                                "0,00000001*cos(x)",
                                                {},
                                                -4,
                                                4,
                                                {Min(-kPi, -1e-8L), Z(-0.5 * kPi), Max(0, 1e-8L),
                                                 Z(0.5 * kPi), Min(kPi, -1e-8L)}}),
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

// A zero at a decimal reads as that decimal, also where the refinement lands on a value that is exactly
// 0 next to it (x rounded to 15 digits makes x - 0,00001 vanish at the double nearest 1E-5) and stops
// with a wide bracket: the shortest decimal is taken within the root's resolution only.
TEST(SpecialPointsText, ZerosReadAsTheirDecimals) {
    SetDecimalSeparator('.');
    for (const auto& [formula, expected] : std::vector<std::pair<std::string, std::string>>{
             {"x-0,00001", "1E-5 "},
             {"(x-0,999)*(x-1)", "0.999 1 "},
             {"(x-1)*(x-1,001)", "1 1.001 "},
             {"(x+2,5)*(x-0,3)*(x-3,00001)", "-2.5 0.3 3.00001 "}}) {
        std::string zeros;
        for (const SpecialPoint& p : FindSpecialPoints(FormulaFunction(formula), {}, AnalysisRange{}))
            if (p.kind == Kind::Zero)
                zeros += PointText(p.x) + " ";
        EXPECT_EQ(zeros, expected) << formula;
    }
    SetDecimalSeparator('\0');
}

// How many evaluations a search makes: as many samples as the quality asks for (at least one a pixel
// column) over ordinary views; over views so wide that a pixel column spans hundreds of those, sixteen a
// column (at least 20000), however slow each evaluation is (the evaluator writes x beyond 2^60 as text).
struct Cost {
    const char* name;
    double xmin;
    double xmax;
    int quality;
    int columns;
    int atLeast;
    int atMost;
};

class SpecialPointsCost : public ::testing::TestWithParam<Cost> {};

TEST_P(SpecialPointsCost, SamplesAsTheViewNeeds) {
    const Cost& c = GetParam();
    std::atomic<int> calls = 0;
    const GraphFunction x = [&calls](double t, long double& y) {
        ++calls;
        y = t;
        return true;
    };
    AnalysisRange range;
    range.xmin = c.xmin;
    range.xmax = c.xmax;
    range.quality = c.quality;
    range.columns = c.columns;
    const auto points = FindSpecialPoints(x, {x}, range);
    EXPECT_GE(calls.load(), c.atLeast);
    EXPECT_LE(calls.load(), c.atMost);
    ASSERT_FALSE(points.empty());
    EXPECT_EQ(points.front().kind, Kind::Zero);
}

INSTANTIATE_TEST_SUITE_P(
    Views, SpecialPointsCost,
    ::testing::Values(Cost{"Ordinary", -5, 5, 200, 1900, 2 * 2001, 2 * 2001 + 100},
                      Cost{"Wide", -100, 100, 200, 564, 2 * 20001, 2 * 20001 + 100},
                      Cost{"Extreme", -1e300, 0, 100, 564, 2 * 20001, 2 * 20001 + 100},
                      Cost{"ExtremeWidePicture", -1e300, 0, 100, 1900, 2 * 30401, 2 * 30401 + 100}),
    [](const ::testing::TestParamInfo<Cost>& info) { return std::string(info.param.name); });

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
