// orvex-cli eval end to end: one line per x, both separators, the error line, usage errors.
#include "CliRunner.h"

#include <cstdlib>

namespace {

// Usage errors exit with 2 and print nothing on standard output, the reason and usage on standard error.
const std::string kUsage = "usage: orvex-cli eval [--decimal-separator C] FORMULA X...";
const std::string kBadX = "orvex-cli eval: '2.5' is not a number\n" + kUsage + "\n";

INSTANTIATE_TEST_SUITE_P(
    Eval, CliTest,
    ::testing::Values(CliCase{{"eval", "--decimal-separator", ",", "x^2+3.5*sin(x)", "1", "0", "-1,5"},
                              "3,94514844682764\n0\n-1,24123245311419\n"},
                      CliCase{{"eval", "x^2+3,5*sin(x)", "1", "-1.5", "--decimal-separator", "."},
                              "3.94514844682764\n-1.24123245311419\n"},
                      CliCase{{"eval", "--decimal-separator", ",", "sh(x)/x", "20000", "0", "1"},
                              "error: Floating point overflow\nno value\n1,1752011936438\n"},
                      CliCase{{"eval", "--decimal-separator", ",", "x", "2.5"}, kBadX, 2, true},
                      CliCase{{"eval", "x"}, "", 2}, CliCase{{"eval", "--", "-x", "2"}, "-2\n"},
                      CliCase{{"eval", "x", "--help"}, kUsage + "\n", 0, false, ""},
                      CliCase{{"eval", "--", "x", "--help"}, "", 2},
                      CliCase{{"eval", "x", "1", "--decimal-separator"}, "", 2}));

// Without the option the locale's separator is in force; the C locale's is ".".
TEST(EvalCli, FollowsTheLocale) {
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(RunCli({"eval", "x/4", "1"}).out, "0.25\n");
}

} // namespace
