#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <ostream>
#include <string>
#include <sys/wait.h>
#include <vector>

// What orvex-cli wrote on standard output (with standard error when merged) and its exit code.
struct CliResult {
    std::string out;
    int exitCode = -1;
};

// Runs orvex-cli with the arguments quoted for the shell; standard error is dropped unless merged.
inline CliResult RunCli(const std::vector<std::string>& args, bool mergeStderr = false) {
    std::string cmd = "'" ORVEX_CLI_PATH "'";
    for (const auto& a : args) {
        cmd += " '";
        for (const char c : a)
            cmd += c == '\'' ? std::string("'\\''") : std::string(1, c);
        cmd += "'";
    }
    cmd += mergeStderr ? " 2>&1" : " 2>/dev/null";
    CliResult result;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (pipe == nullptr)
        return result;
    std::array<char, 4096> buf{};
    for (size_t n = 0; (n = fread(buf.data(), 1, buf.size(), pipe)) > 0;)
        result.out.append(buf.data(), n);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// One row of a command's table: the arguments, the exact output and the exit code.
struct CliCase {
    std::vector<std::string> args;
    std::string out;
    int exitCode = 0;
    bool mergeStderr = false;
};

// Test names stay ASCII and short: each argument cut to 30 characters, other bytes shown as "?".
inline void PrintTo(const CliCase& c, std::ostream* os) {
    for (const auto& a : c.args)
        for (const char ch : "[" + a.substr(0, 30) + (a.size() > 30 ? "...]" : "]"))
            *os << (static_cast<unsigned char>(ch) < 127 ? ch : '?');
    *os << (c.mergeStderr ? " 2>&1" : "");
}

class CliTest : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliTest, PrintsAndExits) {
    const CliResult result = RunCli(GetParam().args, GetParam().mergeStderr);
    EXPECT_EQ(result.out, GetParam().out);
    EXPECT_EQ(result.exitCode, GetParam().exitCode);
}
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CliTest); // the render test has its own fixture
