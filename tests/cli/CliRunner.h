#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <ostream>
#include <string>
#include <sys/wait.h>
#include <vector>

// Runs orvex-cli with the given arguments (each quoted for the shell) and collects its standard output
// and exit code. Standard error is dropped unless `mergeStderr` is set.
struct CliResult {
    std::string out;
    int exitCode = -1;
};

inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

inline CliResult RunCli(const std::vector<std::string>& args, bool mergeStderr = false) {
    std::string cmd = ShellQuote(ORVEX_CLI_PATH);
    for (const auto& a : args)
        cmd += " " + ShellQuote(a);
    cmd += mergeStderr ? " 2>&1" : " 2>/dev/null";
    CliResult result;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (pipe == nullptr)
        return result;
    std::array<char, 4096> buf{};
    size_t n = 0;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        result.out.append(buf.data(), n);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// One row of a command's table: the arguments, the exact output and the exit code. Usage errors (exit
// 2) print nothing on standard output.
struct CliCase {
    std::vector<std::string> args;
    std::string out;
    int exitCode = 0;
    bool mergeStderr = false;
};

// Test names stay ASCII and short.
inline void PrintTo(const CliCase& c, std::ostream* os) {
    for (const auto& a : c.args) {
        *os << '[';
        for (const char ch : a.substr(0, 30))
            *os << (static_cast<unsigned char>(ch) < 127 ? ch : '?');
        *os << (a.size() > 30 ? "...]" : "]");
    }
    *os << (c.mergeStderr ? " 2>&1" : "");
}

class CliTest : public ::testing::TestWithParam<CliCase> {
  protected:
    static void check(const CliCase& c) {
        const CliResult result = RunCli(c.args, c.mergeStderr);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.exitCode, c.exitCode);
    }
};
