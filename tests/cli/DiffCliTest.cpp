// orvex-cli diff end to end: the simplified derivative, the variable option, errors and usage errors.
// Results go to standard output, failures to standard error.
#include "CliRunner.h"

INSTANTIATE_TEST_SUITE_P(
    Diff, CliTest,
    ::testing::Values(CliCase{{"diff", "sin(x)*x^2"}, "cos(x)*x^2+2*x*sin(x)\n"},
                      CliCase{{"diff", "t^2+x", "--var", "t"}, "2*t\n"},
                      CliCase{{"diff", "lg(x)"}, "", 1, false, "error: Error in formula.\n"},
                      CliCase{{"diff", "x/0"}, "", 1, false, "error: Invalid floating point operation\n"},
                      // Nesting deeper than the parser's bound fails instead of overflowing the stack.
                      CliCase{
                          {"diff", std::string(100000, '(') + "x"}, "error: Error in formula.\n", 1, true},
                      CliCase{{"diff"}, "", 2}, CliCase{{"diff", "x", "--var"}, "", 2},
                      // After "--" an option's name is a formula like any other.
                      CliCase{{"diff", "--", "--var"}, "", 1, false, "error: Error in formula.\n"}));
