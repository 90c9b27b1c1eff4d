// The study of a function on formulas whose answers are known, one table per kind of formula. Each case
// gives only the items its rule is about; numbers are compared to 1E-9 of their size, so a row reads as
// the study is written: intervals as "[a; b)", points as "(x; y)", asymptotes as "x:LR" (the sign of f
// left and right of x, "." without growth) and "k b" towards an infinity.
#include "FunctionStudy.h"
#include "NumberText.h"
#include "StudyReport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace orvex {
namespace {

std::string Num(long double v) {
    return PointText(v);
}

template <typename List, typename Text> std::string Join(const List& list, Text text) {
    std::string out;
    for (const auto& item : list)
        out += (out.empty() ? "" : " ") + text(item);
    return out;
}

std::string Intervals(const std::vector<StudyInterval>& list) {
    return Join(list, [](const StudyInterval& i) { return IntervalText(i); });
}

std::string Points(const std::vector<StudyPoint>& list) {
    return Join(list, [](const StudyPoint& p) { return "(" + Num(p.x) + "; " + Num(p.y) + ")"; });
}

std::string Numbers(const std::vector<double>& list) {
    return Join(list, [](double x) { return Num(x); });
}

char SignChar(int sign) {
    return sign > 0 ? '+' : sign < 0 ? '-' : '.';
}

std::string Verticals(const std::vector<VerticalAsymptote>& list) {
    return Join(list, [](const VerticalAsymptote& v) {
        return Num(v.x) + ":" + SignChar(v.left) + SignChar(v.right);
    });
}

std::string Slant(const SlantAsymptote& a) {
    switch (a.state) {
    case SlantAsymptote::State::Found:
        return Num(a.k) + " " + Num(a.b);
    case SlantAsymptote::State::NoValues:
        return "no values";
    case SlantAsymptote::State::NotFound:
        break;
    }
    return "none";
}

std::string Range(const FunctionStudy& s) {
    if (!s.hasValues)
        return "none";
    return (s.unboundedBelow ? "(-inf" : "[" + Num(s.least)) + "; " +
           (s.unboundedAbove ? "+inf)" : Num(s.greatest) + "]");
}

// Two texts agree when their numbers agree to 1E-9 of their size and everything else is the same.
bool SameText(const std::string& actual, const std::string& expected) {
    const auto isNumberChar = [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == 'E' || c == '-';
    };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < actual.size() && j < expected.size()) {
        const bool startsNumber =
            (actual[i] >= '0' && actual[i] <= '9') ||
            (actual[i] == '-' && i + 1 < actual.size() && actual[i + 1] >= '0' && actual[i + 1] <= '9');
        if (!startsNumber) {
            if (actual[i++] != expected[j++])
                return false;
            continue;
        }
        std::size_t ei = i;
        while (ei < actual.size() && isNumberChar(actual[ei]))
            ++ei;
        std::size_t ej = j;
        while (ej < expected.size() && isNumberChar(expected[ej]))
            ++ej;
        const auto a = ReadNumber(actual.substr(i, ei - i), '.');
        const auto b = ReadNumber(expected.substr(j, ej - j), '.');
        if (!a || !b || std::fabs(*a - *b) > 1e-9L * std::max(1.0L, std::fabs(*b)))
            return false;
        i = ei;
        j = ej;
    }
    return i == actual.size() && j == expected.size();
}

using Text = std::optional<std::string>;

struct StudyCase {
    const char* name;
    std::string formula;
    double xmin = -5;
    double xmax = 5;
    Text domain = std::nullopt;
    Text noValue = std::nullopt;
    std::optional<Parity> parity = std::nullopt;
    Text zeros = std::nullopt;
    Text positive = std::nullopt;
    Text negative = std::nullopt;
    Text increasing = std::nullopt;
    Text decreasing = std::nullopt;
    Text minima = std::nullopt;
    Text maxima = std::nullopt;
    Text convexDown = std::nullopt;
    Text convexUp = std::nullopt;
    Text inflections = std::nullopt;
    Text verticals = std::nullopt;
    Text plus = std::nullopt;  // towards +inf
    Text minus = std::nullopt; // towards -inf
    Text range = std::nullopt;
};

void PrintTo(const StudyCase& c, std::ostream* os) {
    *os << c.formula << " on [" << c.xmin << ", " << c.xmax << "]";
}

class FunctionStudyTest : public ::testing::TestWithParam<StudyCase> {
  protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('\0'); }
};

#define ORVEX_EXPECT_ITEM(field, actual)                                                                     \
    if (c.field) {                                                                                           \
        const std::string got = actual;                                                                      \
        EXPECT_TRUE(SameText(got, *c.field)) << #field << ": " << got << "\n  expected: " << *c.field;       \
    }

TEST_P(FunctionStudyTest, FindsTheKnownAnswers) {
    const StudyCase& c = GetParam();
    AnalysisRange range;
    range.xmin = c.xmin;
    range.xmax = c.xmax;
    range.quality = 100;
    range.columns = 564;
    const FunctionStudy s = StudyFunction(c.formula, range);
    ASSERT_TRUE(s.complete);
    ORVEX_EXPECT_ITEM(domain, Intervals(s.domain));
    ORVEX_EXPECT_ITEM(noValue, Numbers(s.noValue));
    if (c.parity) {
        EXPECT_EQ(s.parity, *c.parity);
    }
    ORVEX_EXPECT_ITEM(zeros, Numbers(s.zeros));
    ORVEX_EXPECT_ITEM(positive, Intervals(s.positive));
    ORVEX_EXPECT_ITEM(negative, Intervals(s.negative));
    ORVEX_EXPECT_ITEM(increasing, Intervals(s.increasing));
    ORVEX_EXPECT_ITEM(decreasing, Intervals(s.decreasing));
    ORVEX_EXPECT_ITEM(minima, Points(s.minima));
    ORVEX_EXPECT_ITEM(maxima, Points(s.maxima));
    ORVEX_EXPECT_ITEM(convexDown, Intervals(s.convexDown));
    ORVEX_EXPECT_ITEM(convexUp, Intervals(s.convexUp));
    ORVEX_EXPECT_ITEM(inflections, Points(s.inflections));
    ORVEX_EXPECT_ITEM(verticals, Verticals(s.verticals));
    ORVEX_EXPECT_ITEM(plus, Slant(s.towardsPlus));
    ORVEX_EXPECT_ITEM(minus, Slant(s.towardsMinus));
    ORVEX_EXPECT_ITEM(range, Range(s));
}

std::string CaseName(const ::testing::TestParamInfo<StudyCase>& info) {
    return info.param.name;
}

// sqrt 3, 1 - 2^(1/3).
const std::string kRoot3 = "1.73205080757";

INSTANTIATE_TEST_SUITE_P(
    Polynomials, FunctionStudyTest,
    ::testing::Values(StudyCase{.name = "Parabola",
                                .formula = "x^2-4",
                                .domain = "[-5; 5]",
                                .noValue = "",
                                .parity = Parity::Even,
                                .zeros = "-2 2",
                                .positive = "[-5; -2) (2; 5]",
                                .negative = "(-2; 2)",
                                .increasing = "[0; 5]",
                                .decreasing = "[-5; 0]",
                                .minima = "(0; -4)",
                                .maxima = "",
                                .convexDown = "[-5; 5]",
                                .convexUp = "",
                                .inflections = "",
                                .verticals = "",
                                .plus = "none",
                                .minus = "none",
                                .range = "[-4; 21]"},
                      // f' = 3x^2 - 3, f'' = 6x.
                      StudyCase{.name = "Cubic",
                                .formula = "x^3-3*x",
                                .parity = Parity::Odd,
                                .zeros = "-" + kRoot3 + " 0 " + kRoot3,
                                .positive = "(-" + kRoot3 + "; 0) (" + kRoot3 + "; 5]",
                                .negative = "[-5; -" + kRoot3 + ") (0; " + kRoot3 + ")",
                                .increasing = "[-5; -1] [1; 5]",
                                .decreasing = "[-1; 1]",
                                .minima = "(1; -2)",
                                .maxima = "(-1; 2)",
                                .convexDown = "[0; 5]",
                                .convexUp = "[-5; 0]",
                                .inflections = "(0; 0)",
                                .range = "[-110; 110]"},
                      // f'' = 12x^2 is 0 at 0 without changing sign: no inflection, one convex interval.
                      StudyCase{.name = "FourthPower",
                                .formula = "x^4",
                                .zeros = "0",
                                .positive = "[-5; 0) (0; 5]",
                                .minima = "(0; 0)",
                                .convexDown = "[-5; 5]",
                                .convexUp = "",
                                .inflections = "",
                                .range = "[0; 625]"},
                      // f' = 3(x-1)^2 >= 0 touches 0 at 1: increasing throughout, an inflection at 1.
                      StudyCase{.name = "ShiftedCubic",
                                .formula = "(x-1)^3+2",
                                .parity = Parity::Neither,
                                .zeros = "-0.259921049895",
                                .increasing = "[-5; 5]",
                                .decreasing = "",
                                .minima = "",
                                .maxima = "",
                                .convexDown = "[1; 5]",
                                .convexUp = "[-5; 1]",
                                .inflections = "(1; 2)",
                                .range = "[-214; 66]"},
                      StudyCase{.name = "Constant",
                                .formula = "5",
                                .parity = Parity::Even,
                                .zeros = "",
                                .positive = "[-5; 5]",
                                .increasing = "",
                                .decreasing = "",
                                .inflections = "",
                                .plus = "0 5",
                                .minus = "0 5",
                                .range = "[5; 5]"},
                      // No part of [1; 3] is symmetric about 0, and 0 is not in it.
                      StudyCase{.name = "AwayFromZero",
                                .formula = "x^2",
                                .xmin = 1,
                                .xmax = 3,
                                .domain = "[1; 3]",
                                .parity = Parity::NotChecked,
                                .zeros = "",
                                .increasing = "[1; 3]",
                                .range = "[1; 9]"}),
    CaseName);

// 1 - sqrt 2 and 1 + sqrt 2, where (x^2+1)/(x-1) = x + 1 + 2/(x-1) has its extrema 2 -+ 2 sqrt 2.
INSTANTIATE_TEST_SUITE_P(
    Rational, FunctionStudyTest,
    ::testing::Values(StudyCase{.name = "Hyperbola",
                                .formula = "1/x",
                                .domain = "[-5; 0) (0; 5]",
                                .noValue = "0",
                                .parity = Parity::Odd,
                                .zeros = "",
                                .positive = "(0; 5]",
                                .negative = "[-5; 0)",
                                .increasing = "",
                                .decreasing = "[-5; 0) (0; 5]",
                                .convexDown = "(0; 5]",
                                .convexUp = "[-5; 0)",
                                .inflections = "",
                                .verticals = "0:-+",
                                .plus = "0 0",
                                .minus = "0 0",
                                .range = "(-inf; +inf)"},
                      StudyCase{.name = "Slant",
                                .formula = "(x^2+1)/(x-1)",
                                .domain = "[-5; 1) (1; 5]",
                                .noValue = "1",
                                .parity = Parity::Neither,
                                .zeros = "",
                                .increasing = "[-5; -0.414213562373] [2.41421356237; 5]",
                                .decreasing = "[-0.414213562373; 1) (1; 2.41421356237]",
                                .minima = "(2.41421356237; 4.82842712475)",
                                .maxima = "(-0.414213562373; -0.828427124746)",
                                .convexDown = "(1; 5]",
                                .convexUp = "[-5; 1)",
                                .verticals = "1:-+",
                                .plus = "1 1",
                                .minus = "1 1",
                                .range = "(-inf; +inf)"},
                      // (2x^2+3x-1)/(x+2) = 2x - 1 + 1/(x+2).
                      StudyCase{.name = "SlantWithRemainder",
                                .formula = "(2*x^2+3*x-1)/(x+2)",
                                .noValue = "-2",
                                .verticals = "-2:-+",
                                .plus = "2 -1",
                                .minus = "2 -1"},
                      StudyCase{.name = "EvenPole",
                                .formula = "1/x^2",
                                .parity = Parity::Even,
                                .increasing = "[-5; 0)",
                                .decreasing = "(0; 5]",
                                .convexDown = "[-5; 0) (0; 5]",
                                .verticals = "0:++",
                                .plus = "0 0",
                                .range = "[0.04; +inf)"},
                      // f'' = 2x(x^2+3)/(x^2-1)^3 changes sign at 0 and across both poles.
                      StudyCase{.name = "TwoPoles",
                                .formula = "x/(x^2-1)",
                                .domain = "[-5; -1) (-1; 1) (1; 5]",
                                .noValue = "-1 1",
                                .parity = Parity::Odd,
                                .zeros = "0",
                                .decreasing = "[-5; -1) (-1; 1) (1; 5]",
                                .convexDown = "(-1; 0] (1; 5]",
                                .convexUp = "[-5; -1) [0; 1)",
                                .inflections = "(0; 0)",
                                .verticals = "-1:-+ 1:-+",
                                .plus = "0 0",
                                .minus = "0 0"},
                      // Removable holes: no value at one point, no asymptote, the line's values around it.
                      StudyCase{.name = "HoleAtZero",
                                .formula = "x^2/x",
                                .domain = "[-5; 0) (0; 5]",
                                .noValue = "0",
                                .parity = Parity::Odd,
                                .zeros = "",
                                .increasing = "[-5; 0) (0; 5]",
                                .verticals = "",
                                .plus = "1 0",
                                .minus = "1 0",
                                .range = "[-5; 5]"},
                      StudyCase{.name = "HoleAtOne",
                                .formula = "(x^2-1)/(x-1)",
                                .domain = "[-5; 1) (1; 5]",
                                .noValue = "1",
                                .zeros = "-1",
                                .verticals = "",
                                .plus = "1 1",
                                .range = "[-4; 6]"},
                      // Holes that no sample lands on, found at the zeros of the divisors.
        StudyCase{.name = "HoleBetweenSamples",
                  .formula = "(x^2-1)/(x-1)",
                  .xmin = -5.0037,
                  .noValue = "1",
                  .verticals = ""},
        StudyCase{.name = "SincHoleBetweenSamples",
                  .formula = "sin(x)/x",
                  .xmin = -0.503,
                  .xmax = 0.5,
                  .domain = "[-0.503; 0) (0; 0.5]",
                  .noValue = "0",
                  .verticals = ""},
        // A jump: no value at 0 only, f = -1 and 1 on either side.
                      StudyCase{.name = "Jump",
                                .formula = "abs(x)/x",
                                .domain = "[-5; 0) (0; 5]",
                                .noValue = "0",
                                .parity = Parity::Odd,
                                .increasing = "",
                                .decreasing = "",
                                .verticals = "",
                                .plus = "0 1",
                                .minus = "0 -1",
                                .range = "[-1; 1]"}),
    CaseName);

// pi and pi/2 to 12 digits; the minimum of sin(x)/x at the first positive root of tg x = x.
const std::string kPi = "3.14159265359";
const std::string kHalfPi = "1.57079632679";

INSTANTIATE_TEST_SUITE_P(
    Trigonometric, FunctionStudyTest,
    ::testing::Values(
        StudyCase{.name = "Sine",
                  .formula = "sin(x)",
                  .xmin = -4,
                  .xmax = 4,
                  .parity = Parity::Odd,
                  .zeros = "-" + kPi + " 0 " + kPi,
                  .minima = "(-" + kHalfPi + "; -1)",
                  .maxima = "(" + kHalfPi + "; 1)",
                  .inflections = "(-" + kPi + "; 0) (0; 0) (" + kPi + "; 0)",
                  .verticals = "",
                  .plus = "none",
                  .minus = "none",
                  .range = "[-1; 1]"},
        StudyCase{.name = "Tangent",
                  .formula = "tg(x)",
                  .xmin = -2,
                  .xmax = 2,
                  .domain = "[-2; -" + kHalfPi + ") (-" + kHalfPi + "; " + kHalfPi + ") (" + kHalfPi + "; 2]",
                  .noValue = "-" + kHalfPi + " " + kHalfPi,
                  .parity = Parity::Odd,
                  .zeros = "0",
                  .increasing = "[-2; -" + kHalfPi + ") (-" + kHalfPi + "; " + kHalfPi + ") (" + kHalfPi +
                                "; 2]",
                  .decreasing = "",
                  .inflections = "(0; 0)",
                  .verticals = "-" + kHalfPi + ":+- " + kHalfPi + ":+-",
                  .range = "(-inf; +inf)"},
        // f'' comes from differences here (its text is too long for the evaluator): the inflection
        // points to the digits that leaves, y to what that makes of it.
        StudyCase{.name = "TangentInflections",
                  .formula = "tg(x)",
                  .xmin = -4,
                  .xmax = 4,
                  .inflections = "(-" + kPi + "; 0) (0; 0) (" + kPi + "; 0)"},
        StudyCase{.name = "Sinc",
                  .formula = "sin(x)/x",
                  .xmin = -10,
                  .xmax = 10,
                  .noValue = "0",
                  .parity = Parity::Even,
                  .verticals = "",
                  .plus = "0 0",
                  .minus = "0 0",
                  .range = "[-0.217233628211; 1]"},
        // f' = 1 + cos x touches 0 at -pi and pi: increasing throughout; no asymptote, b oscillates.
        StudyCase{.name = "LineAndSine",
                  .formula = "x+sin(x)",
                  .parity = Parity::Odd,
                  .increasing = "[-5; 5]",
                  .decreasing = "",
                  .inflections = "(-" + kPi + "; -" + kPi + ") (0; 0) (" + kPi + "; " + kPi + ")",
                  .plus = "none",
                  .minus = "none"},
        StudyCase{.name = "Arctangent",
                  .formula = "arctg(x)",
                  .parity = Parity::Odd,
                  .increasing = "[-5; 5]",
                  .inflections = "(0; 0)",
                  .plus = "0 " + kHalfPi,
                  .minus = "0 -" + kHalfPi,
                  .range = "[-1.37340076695; 1.37340076695]"},
        // arcctg(x) = arctg(1/x) has no value at exactly 0 and jumps there from -pi/2 to pi/2.
        StudyCase{.name = "Arccotangent",
                  .formula = "arcctg(x)",
                  .domain = "[-5; 0) (0; 5]",
                  .noValue = "0",
                  .decreasing = "[-5; 0) (0; 5]",
                  .verticals = "",
                  .range = "[-" + kHalfPi + "; " + kHalfPi + "]"}),
    CaseName);

// e = 2.718281828459: x ln x has its minimum -1/e at 1/e.
INSTANTIATE_TEST_SUITE_P(
    RootsAndLogarithms, FunctionStudyTest,
    ::testing::Values(
        StudyCase{.name = "SquareRoot",
                  .formula = "sqrt(x)",
                  .domain = "[0; 5]",
                  .parity = Parity::Neither,
                  .zeros = "0",
                  .increasing = "[0; 5]",
                  .convexUp = "[0; 5]",
                  .verticals = "",
                  .minus = "no values",
                  .range = "[0; 2.2360679775]"},
        StudyCase{.name = "Logarithm",
                  .formula = "ln(x)",
                  .domain = "(0; 5]",
                  .zeros = "1",
                  .positive = "(1; 5]",
                  .negative = "(0; 1)",
                  .increasing = "(0; 5]",
                  .convexUp = "(0; 5]",
                  .verticals = "0:.-",
                  .plus = "none",
                  .minus = "no values",
                  .range = "(-inf; 1.60943791243]"},
        StudyCase{.name = "HalfCircle",
                  .formula = "sqrt(4-x^2)",
                  .domain = "[-2; 2]",
                  .parity = Parity::Even,
                  .zeros = "-2 2",
                  .increasing = "[-2; 0]",
                  .decreasing = "[0; 2]",
                  .maxima = "(0; 2)",
                  .verticals = "",
                  .plus = "no values",
                  .range = "[0; 2]"},
        // x ln x tends to 0 at 0: a border without asymptote.
        StudyCase{.name = "XLogX",
                  .formula = "x*ln(x)",
                  .domain = "(0; 5]",
                  .zeros = "1",
                  .minima = "(0.367879441171; -0.367879441171)",
                  .convexDown = "(0; 5]",
                  .verticals = ""},
        // ln(x^2) = 2 ln|x|: a point without value where both sides fall without bound.
        StudyCase{.name = "LogarithmOfSquare",
                  .formula = "ln(x^2)",
                  .domain = "[-5; 0) (0; 5]",
                  .noValue = "0",
                  .parity = Parity::Even,
                  .zeros = "-1 1",
                  .verticals = "0:--"},
        StudyCase{.name = "ReciprocalRoot",
                  .formula = "1/sqrt(x)",
                  .domain = "(0; 5]",
                  .decreasing = "(0; 5]",
                  .verticals = "0:.+",
                  .plus = "0 0"},
        // x + sqrt|x| has slope 1 but no b; 2^x only the horizontal y = 0 towards -inf.
        StudyCase{
            .name = "SlopeWithoutIntercept", .formula = "x+sqrt(abs(x))", .plus = "none", .minus = "none"},
        StudyCase{
            .name = "Exponential", .formula = "2^x", .positive = "[-5; 5]", .plus = "none", .minus = "0 0"},
        // Two gaps that share their valued ends leave single points with a value.
        StudyCase{.name = "TwoPoints",
                  .formula = "sqrt(1-x^2)+sqrt(x^2-1)",
                  .domain = "{-1} {1}",
                  .parity = Parity::EvenAndOdd,
                  .zeros = "-1 1",
                  .verticals = "",
                  .range = "[0; 0]"},
        StudyCase{.name = "NoValueAtAll",
                  .formula = "sqrt(-x^2-1)",
                  .domain = "",
                  .parity = Parity::NotChecked,
                  .zeros = "",
                  .verticals = "",
                  .range = "none"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Kinks, FunctionStudyTest,
    ::testing::Values(
        // f'' = 0 on both sides: neither convex nor concave, and the kink is no inflection.
        StudyCase{.name = "V",
                  .formula = "abs(x-1)",
                  .zeros = "1",
                  .increasing = "[1; 5]",
                  .decreasing = "[-5; 1]",
                  .minima = "(1; 0)",
                  .convexDown = "",
                  .convexUp = "",
                  .inflections = "",
                  .plus = "1 -1",
                  .minus = "-1 1"},
        // Convex down outside [-1; 1], up inside; the kinks at -1 and 1 are minima, not inflections.
        StudyCase{.name = "FoldedParabola",
                  .formula = "abs(x^2-1)",
                  .parity = Parity::Even,
                  .minima = "(-1; 0) (1; 0)",
                  .maxima = "(0; 1)",
                  .convexDown = "[-5; -1] [1; 5]",
                  .convexUp = "[-1; 1]",
                  .inflections = ""},
        // x|x|: f'' jumps from -2 to 2 while f' = 2|x| is continuous: an inflection.
        StudyCase{.name = "SignedSquare",
                  .formula = "x*abs(x)",
                  .parity = Parity::Odd,
                  .increasing = "[-5; 5]",
                  .convexDown = "[0; 5]",
                  .convexUp = "[-5; 0]",
                  .inflections = "(0; 0)"},
        // |sin x| is concave between its kinks, which split the intervals.
        StudyCase{.name = "FoldedSine",
                  .formula = "abs(sin(x))",
                  .xmin = -4,
                  .xmax = 4,
                  .parity = Parity::Even,
                  .minima = "(-" + kPi + "; 0) (0; 0) (" + kPi + "; 0)",
                  .convexDown = "",
                  .convexUp = "[-4; -" + kPi + "] [-" + kPi + "; 0] [0; " + kPi + "] [" + kPi + "; 4]",
                  .inflections = ""},
        // 0 on [0; 5]: a stretch of zero, not a zero at every sample.
        StudyCase{.name = "ZeroStretch",
                  .formula = "abs(x)-x",
                  .zeros = "0",
                  .positive = "[-5; 0)",
                  .negative = "",
                  .increasing = "",
                  .decreasing = "[-5; 0]"}),
    CaseName);

// The evaluator reads only the first 50 characters of the prepared formula: x^3/(x-1)+(x+2)-sin(x)-(x^2+1)
// of this one. Its derivative is that of the part drawn, and the maximum at 0 is that of the part.
TEST(FunctionStudyReport, LongFormulaIsStudiedAsDrawn) {
    SetDecimalSeparator('.');
    const FunctionStudy s = StudyFunction("x^3/(x-1)+(x+2)-sin(x)-(x^2+1)/cos(x)+sin(x)/tg(x)", AnalysisRange{});
    EXPECT_TRUE(s.formulaCut);
    EXPECT_EQ(s.readFormula, "x^3/(x-1)+(x+2)-sin(x)-(x^2+1)");
    EXPECT_EQ(s.first.text, "(3*x^2*(x-1)-x^3)/(x-1)^2+1-cos(x)-2*x");
    EXPECT_EQ(Points(s.maxima), "(0; 1)");
    EXPECT_FALSE(StudyFunction("x^2", AnalysisRange{}).formulaCut);
    SetDecimalSeparator('\0');
}

TEST(FunctionStudyReport, ZeroStretchesAndConstantPieces) {
    SetDecimalSeparator('.');
    const FunctionStudy s = StudyFunction("abs(x)-x", AnalysisRange{});
    EXPECT_EQ(Intervals(s.zeroStretches), "[0; 5]");
    EXPECT_EQ(Intervals(s.constant), "[0; 5]");
    SetDecimalSeparator('\0');
}

// Every item is written, in order, with what its method cannot see; numbers use the separator in force.
TEST(FunctionStudyReport, EightItemsInRussian) {
    SetDecimalSeparator(',');
    const auto sections = StudySections(StudyFunction("1/(x-0.5)", AnalysisRange{}));
    ASSERT_EQ(sections.size(), 8u);
    const char* const titles[] = {"1. Область определения",
                                  "2. Чётность",
                                  "3. Пересечения с осями",
                                  "4. Знакопостоянство",
                                  "5. Производная, монотонность, экстремумы",
                                  "6. Вторая производная, выпуклость, перегибы",
                                  "7. Асимптоты",
                                  "8. Множество значений"};
    for (std::size_t i = 0; i < sections.size(); ++i) {
        EXPECT_EQ(sections[i].title, titles[i]);
        EXPECT_FALSE(sections[i].lines.empty()) << titles[i];
        EXPECT_FALSE(sections[i].limits.empty()) << titles[i];
    }
    EXPECT_EQ(sections[0].lines[0], "x ∈ [-5; 0,5) ∪ (0,5; 5]");
    EXPECT_EQ(sections[2].lines[0], "С осью Oy: (0; -2)");
    EXPECT_EQ(sections[4].lines[0], "f′(x) = (-1)/(x-0.5)^2");
    EXPECT_EQ(sections[6].lines[0], "Вертикальные: x = 0,5 (слева f → −∞, справа f → +∞)");
    EXPECT_EQ(sections[6].lines[1], "При x → +∞: горизонтальная асимптота y = 0");
    EXPECT_EQ(sections[7].lines[0], "Снизу не ограничено (f → −∞)");
    SetDecimalSeparator('\0');
}

TEST(FunctionStudyBounds, ExtremeRangeAndCancel) {
    AnalysisRange huge;
    huge.xmin = -1e300;
    huge.xmax = 1e300;
    const FunctionStudy wide = StudyFunction("1/x+sin(x)", huge);
    EXPECT_TRUE(wide.complete);
    EXPECT_EQ(wide.noValue.size(), 1u);

    std::atomic<bool> cancel = true;
    const FunctionStudy stopped = StudyFunction("x^2", AnalysisRange{}, &cancel);
    EXPECT_FALSE(stopped.complete);
}

} // namespace
} // namespace orvex
