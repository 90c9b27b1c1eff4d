#pragma once

#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

namespace orvex {

// Runs one task at a time on a thread of its own, for work that a newer request makes stale (a redraw,
// a search): starting a task asks the one in progress to stop, through the flag each task is given.
// Destroying it stops the task in progress and waits for it.
class LatestTask {
  public:
    LatestTask();
    LatestTask(const LatestTask&) = delete;
    LatestTask& operator=(const LatestTask&) = delete;
    ~LatestTask();

    void start(std::function<void(const std::atomic<bool>& stop)> work);
    void cancel();

  private:
    QThreadPool thread_;
    std::shared_ptr<std::atomic<bool>> stop_;
};

} // namespace orvex
