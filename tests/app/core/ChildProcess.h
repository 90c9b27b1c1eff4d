#pragma once

// Runs test code in a forked child process: there it may lower its own limits (a file-size limit makes a
// write fail as a full disk does, without root) or block without stalling the test run.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <thread>

namespace orvex::testing {

inline constexpr int kChildTimedOut = -1;
inline constexpr int kChildKilled = -2;

// Runs `body` in a forked child and returns the code it returns: kChildTimedOut when it has not ended
// within `timeout` (it is killed then), kChildKilled when a signal ended it. The child leaves with _exit,
// so nothing of the parent's (windows, temporary folders) is torn down twice.
inline int RunInChild(const std::function<int()>& body,
                      std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
    std::fflush(nullptr); // or the child would write the parent's buffered output again
    const pid_t pid = ::fork();
    if (pid < 0)
        return kChildKilled;
    if (pid == 0) {
        int code = 125;
        try {
            code = body();
        } catch (...) {
            code = 126;
        }
        std::fflush(nullptr);
        ::_exit(code);
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (done < 0 && errno != EINTR)
            return kChildKilled;
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return kChildTimedOut;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : kChildKilled;
}

// In the child: a write that would make any file larger than `bytes` fails with EFBIG, as on a full disk.
// SIGXFSZ, which would end the process instead, is ignored (and stays ignored across exec).
inline void LimitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace orvex::testing
