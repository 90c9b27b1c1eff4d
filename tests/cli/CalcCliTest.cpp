// orvex-cli calc end to end: the labels on standard output, the exit codes, the error line on standard
// error.
#include "CliRunner.h"

INSTANTIATE_TEST_SUITE_P(
    Calc, CliTest,
    ::testing::Values(
        CliCase{{"calc", "integral", "x", "0,5", "1,5", "10", "--decimal-separator", ","}, "Интеграл=0,95\n"},
        CliCase{{"calc", "--decimal-separator", ".", "quad", "-1", "2", "-5"}, "X1=1-2i\nX2=1+2i\n"},
        // With a = 0 the message goes to standard error.
        CliCase{{"calc", "quad", "0", "1", "1"}, "", 1},
        CliCase{{"calc", "quad", "0", "1", "1"}, "Коэффициент а не должен быть равен 0\n", 1, true},
        CliCase{{"calc", "--decimal-separator", ",", "line", "0.5", "1", "2", "3"},
                "",
                1,
                false,
                "error: '0.5' is not a valid floating point value\n"},
        // "--" ends the options, so an operand may start with "-" or look like an option.
        CliCase{{"calc", "value", "--decimal-separator", ",", "--", "-x", "-2,5"}, "y = 2,5\n"},
        CliCase{{"calc", "value", "--", "x", "--decimal-separator"}, "", 1},
        CliCase{{"calc", "integral", "x", "0", "1", "5"}, "", 2}, CliCase{{"calc", "cube", "1"}, "", 2}));
