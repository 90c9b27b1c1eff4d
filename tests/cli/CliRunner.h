#pragma once

#include "../app/core/ChildProcess.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// What orvex-cli wrote on standard output (with standard error when merged) and on standard error, and
// its exit code (orvex::testing::kChildTimedOut when it did not end in time).
struct CliResult {
    std::string out;
    std::string err;
    int exitCode = -1;
};

struct CliRun {
    bool mergeStderr = false;
    rlim_t fileSizeLimit = RLIM_INFINITY; // below it, writes fail as on a full disk
    std::chrono::milliseconds timeout = std::chrono::seconds(60);
};

// A temporary file that the tool's output goes to, read back and removed afterwards.
class CapturedStream {
  public:
    CapturedStream() : fd_(::mkstemp(path_.data())) {}
    ~CapturedStream() {
        ::close(fd_);
        ::unlink(path_.c_str());
    }
    CapturedStream(const CapturedStream&) = delete;
    CapturedStream& operator=(const CapturedStream&) = delete;
    [[nodiscard]] int fd() const { return fd_; }
    [[nodiscard]] std::string text() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

  private:
    std::string path_ = "/tmp/orvex-cli-test-XXXXXX";
    int fd_;
};

// Runs orvex-cli with the arguments as they are (no shell), standard input empty.
inline CliResult RunCli(const std::vector<std::string>& args, const CliRun& run) {
    const CapturedStream out;
    const CapturedStream err;
    CliResult result;
    result.exitCode = orvex::testing::RunInChild(
        [&] {
            if (run.fileSizeLimit != RLIM_INFINITY)
                orvex::testing::LimitFileSize(run.fileSizeLimit);
            const int in = ::open("/dev/null", O_RDONLY);
            ::dup2(in, 0);
            ::dup2(out.fd(), 1);
            ::dup2(run.mergeStderr ? out.fd() : err.fd(), 2);
            std::vector<char*> argv{const_cast<char*>(ORVEX_CLI_PATH)};
            for (const std::string& a : args)
                argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(ORVEX_CLI_PATH, argv.data());
            return 127;
        },
        run.timeout);
    result.out = out.text();
    result.err = err.text();
    return result;
}

inline CliResult RunCli(const std::vector<std::string>& args, bool mergeStderr = false) {
    CliRun run;
    run.mergeStderr = mergeStderr;
    return RunCli(args, run);
}

// One row of a command's table: the arguments, the exact standard output and the exit code, and when
// given, the exact standard error.
struct CliCase {
    std::vector<std::string> args;
    std::string out;
    int exitCode = 0;
    bool mergeStderr = false;
    std::optional<std::string> err = std::nullopt;
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
    if (GetParam().err) {
        EXPECT_EQ(result.err, *GetParam().err);
    }
}
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CliTest); // the render test has its own fixture
