// End-to-end tests of `orvex-cli diff`.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DiffCli, PrintsTheSimplifiedDerivative) {
    const CliResult r = RunCli({"diff", "sin(x)*x^2"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "cos(x)*x^2+2*x*sin(x)\n");
}

TEST(DiffCli, VariableOption) {
    EXPECT_EQ(RunCli({"diff", "--var", "t", "t^2+x"}).out, "2*t\n");
    EXPECT_EQ(RunCli({"diff", "t^2+x", "--var", "t"}).out, "2*t\n");
    EXPECT_EQ(RunCli({"diff", "t^2"}).out, "0\n");
}

TEST(DiffCli, NumbersUseAPoint) {
    const CliResult r = RunCli({"diff", "x^2.5/3"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "2.5*x^1.5*3/9\n");
}

TEST(DiffCli, ErrorsExitWith1) {
    struct Case {
        const char* formula;
        const char* out;
    };
    for (const Case c : {Case{"lg(x)", "error: Error in formula.\n"},
                         Case{"x/0", "error: Invalid floating point operation\n"},
                         Case{"-x)", "error: Error in formula.\n"}}) {
        const CliResult r = RunCli({"diff", c.formula});
        EXPECT_EQ(r.exitCode, 1) << c.formula;
        EXPECT_EQ(r.out, c.out) << c.formula;
    }
    const CliResult deep = RunCli({"diff", std::string(100000, '(') + "x"});
    EXPECT_EQ(deep.exitCode, 1);
    EXPECT_EQ(deep.out, "error: Error in formula.\n");
}

TEST(DiffCli, BadArgumentsAreUsageErrors) {
    EXPECT_EQ(RunCli({"diff"}).exitCode, 2);
    EXPECT_EQ(RunCli({"diff", "x", "y"}).exitCode, 2);
    EXPECT_EQ(RunCli({"diff", "x", "--var"}).exitCode, 2);
}

} // namespace
