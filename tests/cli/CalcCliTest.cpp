// orvex-cli calc end to end: the labels on standard output, the exit codes, the error line.
#include "CliRunner.h"

namespace {

TEST_P(CliTest, Calc) {
    check(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Calc, CliTest,
    ::testing::Values(
        CliCase{{"calc", "--decimal-separator", ".", "integral", "x", "0", "1", "10"}, "Интеграл=0.45\n"},
        CliCase{{"calc", "integral", "x", "0,5", "1,5", "10", "--decimal-separator", ","}, "Интеграл=0,95\n"},
        CliCase{{"calc", "--decimal-separator", ".", "value", "x^2", "3"}, "y = 9\n"},
        CliCase{{"calc", "--decimal-separator", ".", "line", "1", "1", "4", "2"},
                "Уравнение прямой: y = 0.333333333333333x+0.666666666666667\n"},
        CliCase{{"calc", "--decimal-separator", ".", "quad", "-1", "2", "-5"}, "X1=1-2i\nX2=1+2i\n"},
        CliCase{{"calc", "quad", "0", "1", "1"}, "", 1},
        CliCase{{"calc", "quad", "0", "1", "1"}, "Коэффициент а не должен быть равен 0\n", 1, true},
        CliCase{{"calc", "--decimal-separator", ".", "planes", "1", "0", "0", "0", "0", "1"},
                "Угол=pi/2; плоскости перпендикулярны\n"},
        CliCase{{"calc", "--decimal-separator", ",", "line", "0.5", "1", "2", "3"},
                "error: '0.5' is not a valid floating point value\n",
                1},
        CliCase{{"calc", "--decimal-separator", ".", "value", "sh(x)", "20000"},
                "error: Floating point overflow\n",
                1},
        CliCase{{"calc", "integral", "x", "0", "1", "5"}, "", 2}, CliCase{{"calc", "cube", "1"}, "", 2}));

} // namespace
