// orvex-cli investigate end to end: every kind of line in its order, both separators, limits, the
// component's error, usage errors.
#include "CliRunner.h"

namespace {

const std::string kUsage =
    "usage: orvex-cli investigate [--decimal-separator C] [--limits XMIN XMAX] FORMULA\n";

INSTANTIATE_TEST_SUITE_P(
    Investigate, CliTest,
    ::testing::Values(
        // A parabola: no asymptotes, the range from its vertex to an end.
        CliCase{
            {"investigate", "--decimal-separator", ".", "x^2-1"},
            "domain -5 5\nparity even\ny-intercept y=-1\nzero x=-1\nzero x=1\npositive -5 -1\npositive 1 5\n"
            "negative -1 1\nderivative 2*x\nincreasing 0 5\ndecreasing -5 0\nminimum x=0 y=-1\n"
            "second-derivative 2\nconvex-down -5 5\nrange -1 24\n"},
        // A cubic with its inflection, limits and numbers with a comma.
        CliCase{
            {"investigate", "--decimal-separator", ",", "--limits", "-1,5", "1,5", "x^3-3*x"},
            "domain -1,5 1,5\nparity odd\ny-intercept y=0\nzero x=0\npositive -1,5 0\nnegative 0 1,5\n"
            "derivative 3*x^2-3\nincreasing -1,5 -1\nincreasing 1 1,5\ndecreasing -1 1\nminimum x=1 y=-2\n"
            "maximum x=-1 y=2\nsecond-derivative 2*x*3\nconvex-down 0 1,5\nconvex-up -1,5 0\n"
            "inflection x=0 y=0\nrange -2 2\n"},
        // A pole: two intervals, the point without value, the asymptotes on all sides.
        CliCase{{"investigate", "--limits", "-2", "2", "--decimal-separator", ".", "1/x"},
                "domain -2 0\ndomain 0 2\nno-value x=0\nparity odd\npositive 0 2\nnegative -2 0\n"
                "derivative (-1)/x^2\ndecreasing -2 0\ndecreasing 0 2\n"
                "second-derivative ((-(2*x*(-1))))/(x^2)^2\nconvex-down 0 2\nconvex-up -2 0\n"
                "vertical-asymptote x=0\nasymptote +inf k=0 b=0\nasymptote -inf k=0 b=0\nrange unbounded\n"},
        // (x^2+1)/(x-1) = x + 1 + 2/(x-1): the slant asymptote y = x + 1 on both sides; no parity on
        // a range without a part symmetric about 0.
        CliCase{{"investigate", "--decimal-separator", ".", "--limits", "2", "4", "(x^2+1)/(x-1)"},
                "domain 2 4\npositive 2 4\nderivative (2*x*(x-1)-(x^2+1))/(x-1)^2\n"
                "increasing 2.41421356237 4\ndecreasing 2 2.41421356237\nminimum x=2.41421356237 "
                "y=4.82842712475\n"
                "second-derivative ((2*(x-1)+2*x-2*x)*(x-1)^2-2*(x-1)*(2*x*(x-1)-(x^2+1)))/((x-1)^2)^2\n"
                "convex-down 2 4\nasymptote +inf k=1 b=1\nasymptote -inf k=1 b=1\n"
                "range 4.82842712475 5.66666666667\n"},
        // lg is no name of the differentiation component: its message, and differences for the signs.
        CliCase{{"investigate", "--decimal-separator", ".", "lg(x)"},
                "domain 0 5\nparity none\nzero x=1\npositive 1 5\nnegative 0 1\n"
                "derivative error: Error in formula.\nincreasing 0 5\nsecond-derivative error: Error in "
                "formula.\n"
                "convex-up 0 5\nvertical-asymptote x=0\nrange unbounded\n"},
        CliCase{
            {"investigate", "x", "x^2"}, "orvex-cli investigate: expected one formula\n" + kUsage, 2, true},
        CliCase{{"investigate"}, "", 2}, CliCase{{"investigate", "--limits", "1", "1", "x"}, "", 2},
        CliCase{{"investigate", "--limits", "0", "x"}, "", 2}, CliCase{{"investigate", "--help"}, kUsage}));

} // namespace
