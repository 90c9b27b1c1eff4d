// orvex-cli calc end to end: the labels on standard output, the exit codes, the error line.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct CalcRun {
    std::vector<std::string> args;
    std::string out;
    int exitCode;
};

void PrintTo(const CalcRun& run, std::ostream* os) {
    *os << "calc";
    for (const auto& a : run.args)
        *os << ' ' << a;
}

class CalcCli : public ::testing::TestWithParam<CalcRun> {};

TEST_P(CalcCli, PrintsTheLabels) {
    const CalcRun& run = GetParam();
    std::vector<std::string> args{"calc"};
    args.insert(args.end(), run.args.begin(), run.args.end());
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.out, run.out);
    EXPECT_EQ(result.exitCode, run.exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    Calc, CalcCli,
    ::testing::Values(
        CalcRun{{"--decimal-separator", ".", "integral", "x", "0", "1", "10"}, "Интеграл=0.45\n", 0},
        CalcRun{{"integral", "x", "0,5", "1,5", "10", "--decimal-separator", ","}, "Интеграл=0,95\n", 0},
        CalcRun{{"--decimal-separator", ".", "value", "x^2", "3"}, "y = 9\n", 0},
        CalcRun{{"--decimal-separator", ".", "line", "1", "1", "4", "2"},
                "Уравнение прямой: y = 0.333333333333333x+0.666666666666667\n",
                0},
        CalcRun{{"--decimal-separator", ".", "quad", "-1", "2", "-5"}, "X1=1-2i\nX2=1+2i\n", 0},
        CalcRun{{"--decimal-separator", ".", "quad", "0", "1", "1"}, "", 1},
        CalcRun{{"--decimal-separator", ".", "planes", "1", "0", "0", "0", "0", "1"},
                "Угол=pi/2; плоскости перпендикулярны\n",
                0},
        CalcRun{{"--decimal-separator", ",", "line", "0.5", "1", "2", "3"},
                "error: '0.5' is not a valid floating point value\n",
                1},
        CalcRun{
            {"--decimal-separator", ".", "value", "sh(x)", "20000"}, "error: Floating point overflow\n", 1},
        // Usage errors: no output on standard output, exit code 2.
        CalcRun{{"integral", "x", "0", "1", "5"}, "", 2}, CalcRun{{"cube", "1"}, "", 2}));

TEST(CalcCliZeroA, ExplainsOnStandardError) {
    const CliResult result = RunCli({"calc", "quad", "0", "1", "1"}, true);
    EXPECT_EQ(result.out, "Коэффициент а не должен быть равен 0\n");
    EXPECT_EQ(result.exitCode, 1);
}

} // namespace
