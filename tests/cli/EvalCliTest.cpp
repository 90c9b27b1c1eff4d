// End-to-end: orvex-cli eval prepares the formula once and prints one line per x.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct EvalCase {
    std::vector<std::string> args;
    std::string out;
    int exitCode;
};

std::ostream& operator<<(std::ostream& os, const EvalCase& c) {
    for (const auto& a : c.args) {
        os << '[';
        for (const char ch : a)
            os << (static_cast<unsigned char>(ch) < 127 ? ch : '?'); // test names stay ASCII
        os << ']';
    }
    return os;
}

class EvalCliTest : public ::testing::TestWithParam<EvalCase> {};

TEST_P(EvalCliTest, PrintsOneLinePerPoint) {
    const CliResult result = RunCli(GetParam().args);
    EXPECT_EQ(result.exitCode, GetParam().exitCode) << GetParam();
    EXPECT_EQ(result.out, GetParam().out) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvalCliTest,
    ::testing::Values(
        EvalCase{{"eval", "--decimal-separator", ",", "x^2+3.5*sin(x)", "1", "0", "-1,5"},
                 "3,94514844682764\n0\n-1,24123245311419\n",
                 0},
        EvalCase{{"eval", "--decimal-separator", ".", "x^2+3,5*sin(x)", "1", "-1.5"},
                 "3.94514844682764\n-1.24123245311419\n",
                 0},
        EvalCase{{"eval", "x", "--decimal-separator", ",", "0,00001", "0,0001"}, "1E-5\n0,0001\n", 0},
        EvalCase{
            {"eval", "--decimal-separator", ",", "1/x", "0", "4", "1E-11"}, "no value\n0,25\nno value\n", 0},
        EvalCase{{"eval", "--decimal-separator", ",", "sh(x)", "20000", "1"},
                 "error: Floating point overflow\n1,1752011936438\n",
                 0},
        EvalCase{{"eval", "--decimal-separator", ",", "|x-1|", "-1"}, "2\n", 0},
        EvalCase{{"eval", "--decimal-separator", ",", "\xC4\xE0#((", "1"}, "no value\n", 0},
        // Bad arguments: nothing on standard output, exit 2.
        EvalCase{{"eval", "--decimal-separator", ",", "x", "1", "1.5"}, "", 2},
        EvalCase{{"eval", "--decimal-separator", ".", "x", "abc"}, "", 2},
        EvalCase{{"eval", "--decimal-separator", ",", "x", "1E5000"}, "", 2}, EvalCase{{"eval", "x"}, "", 2},
        EvalCase{{"eval"}, "", 2}, EvalCase{{"eval", "--decimal-separator", ",,", "x", "1"}, "", 2},
        EvalCase{{"eval", "x", "1", "--decimal-separator"}, "", 2}));

TEST(EvalCliUsageTest, NamesTheBadArgument) {
    const CliResult result = RunCli({"eval", "--decimal-separator", ",", "x", "2.5"}, true);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.out.find("'2.5'"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("eval [--decimal-separator C] FORMULA X..."), std::string::npos) << result.out;
}

// Without the option the locale's separator is in force; the C locale's is ".".
TEST(EvalCliLocaleTest, FollowsTheLocale) {
    setenv("LC_ALL", "C", 1);
    const CliResult result = RunCli({"eval", "x/4", "1"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "0.25\n");
}

} // namespace
