// orvex-cli table end to end: the header, one line per x, both separators, the derivative columns, empty
// fields and error fields, and the limits that end in usage.
#include "CliRunner.h"

namespace {

const std::string kUsage =
    "usage: orvex-cli table [--decimal-separator C] [--derivative] XFROM XTO STEP FORMULA [FORMULA...]\n";

std::string UsageError(const std::string& reason) {
    return "orvex-cli table: " + reason + "\n" + kUsage;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliTest,
    ::testing::Values(
        CliCase{{"table", "--decimal-separator", ",", "0", "1", "0,5", "x^2", "ln(x)"},
                "x\tx^2\tln(x)\n0\t0\t\n0,5\t0,25\t-0,693147180559945\n1\t1\t0\n"},
        // 0.1 ten times passes 1 by a hair: the last row stays; downwards with a negative step.
        CliCase{{"table", "--decimal-separator", ".", "0", "1", "0.1", "x"},
                "x\tx\n0\t0\n0.1\t0.1\n0.2\t0.2\n0.3\t0.3\n0.4\t0.4\n0.5\t0.5\n0.6\t0.6\n0.7\t0.7\n0.8\t0.8\n"
                "0.9\t0.9\n1\t1\n"},
        CliCase{{"table", "--decimal-separator", ".", "--", "1", "-1", "-1", "-x"},
                "x\t-x\n1\t-1\n0\t0\n-1\t1\n"},
        // The derivative after each formula; none where the graph has none; the arithmetic errors.
        CliCase{{"table", "--derivative", "--decimal-separator", ".", "-1", "2", "1", "x^3", "ln(x)"},
                "x\tx^3\tx^3'\tln(x)\tln(x)'\n-1\t-1\t3\t\t\n0\t0\t0\t\t\n1\t1\t3\t0\t1\n2\t8\t12\t"
                "0.693147180559945\t0.5\n"},
        CliCase{
            {"table", "--decimal-separator", ".", "--derivative", "6000", "20000", "14000", "arctg(sh(x))"},
            "x\tarctg(sh(x))\tarctg(sh(x))'\n6000\t1.5707963267949\terror: Floating point overflow\n"
            "20000\terror: Floating point overflow\t\n"},
        CliCase{{"table", "--decimal-separator", ".", "0", "0", "1", "1/x", "лог(x)"},
                "x\t1/x\tлог(x)\n0\t\t\n"},
        // Usage: exit 2, nothing on standard output.
        CliCase{{"table", "0", "1", "0", "x"}, "", 2, false, UsageError("STEP is 0")},
        CliCase{{"table", "0", "1", "-1", "x"}, "", 2, false, UsageError("STEP points away from XTO")},
        CliCase{{"table", "0", "1000000", "1", "x"},
                "",
                2,
                false,
                UsageError("more than 1000000 rows would follow")},
        CliCase{{"table", "--decimal-separator", ",", "0", "1", "0.5", "x"},
                "",
                2,
                false,
                UsageError("STEP '0.5' is not a number")},
        CliCase{{"table", "0", "1", "1"}, "", 2},
        CliCase{{"table", "0", "1", "1", "x", "--help"}, kUsage, 0, false, ""}));

// A million rows: the most the limit allows, each line written as it is made.
TEST(TableCli, AMillionRows) {
    const CliResult result = RunCli({"table", "--decimal-separator", ".", "1", "1000000", "1", "x/2"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1000001);
    EXPECT_TRUE(result.out.ends_with("\n999999\t499999.5\n1000000\t500000\n"));
}

} // namespace
