// orvex-cli analyse end to end: the line format and order, both separators, limits, usage errors.
#include "CliRunner.h"

namespace {

const std::string kUsage =
    "usage: orvex-cli analyse [--decimal-separator C] [--limits XMIN XMAX] FORMULA [OTHER...]\n";

INSTANTIATE_TEST_SUITE_P(
    Analyse, CliTest,
    ::testing::Values(
        // Sorted by x; at one x the zero comes before the intersection.
        CliCase{{"analyse", "--decimal-separator", ",", "x^2-1", "x+1"},
                "zero x=-1\nintersection 1 x=-1 y=0\nminimum x=0 y=-1\nzero x=1\nintersection 1 x=2 y=3\n"},
        // Options anywhere; 12 significant digits.
        CliCase{{"analyse", "--limits", "0", "7", "sin(x)", "--decimal-separator", "."},
                "zero x=0\nmaximum x=1.57079632679 y=1\nzero x=3.14159265359\nminimum x=4.71238898038 y=-1\n"
                "zero x=6.28318530718\n"},
        // Limits read with the separator in force; OTHER numbered from 1.
        CliCase{{"analyse", "--decimal-separator", ",", "--limits", "1,5", "2,5", "x^2", "x", "4"},
                "intersection 2 x=2 y=4\n"},
        CliCase{{"analyse", "--decimal-separator", ",", "x-0,00001", "sqrt(x)-1"}, "zero x=1E-5\n"},
        CliCase{{"analyse", "5"}, ""},
        CliCase{{"analyse", "--limits", "5", "-5", "x"},
                "orvex-cli analyse: --limits needs XMIN below XMAX\n" + kUsage,
                2,
                true},
        CliCase{{"analyse", "--limits", "0", "x"}, "", 2}, CliCase{{"analyse", "x", "--limits", "0"}, "", 2},
        CliCase{{"analyse", "--decimal-separator", ",", "--limits", "0", "1.5", "x"}, "", 2},
        CliCase{{"analyse"}, "", 2}));

} // namespace
