#include "LatestTask.h"

namespace orvex {

LatestTask::LatestTask() {
    thread_.setMaxThreadCount(1);
}

LatestTask::~LatestTask() {
    cancel();
    thread_.waitForDone();
}

void LatestTask::cancel() {
    if (stop_)
        stop_->store(true);
}

void LatestTask::start(std::function<void(const std::atomic<bool>& stop)> work) {
    cancel();
    stop_ = std::make_shared<std::atomic<bool>>(false);
    thread_.start([work = std::move(work), stop = stop_] { work(*stop); });
}

} // namespace orvex
