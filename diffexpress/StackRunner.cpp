#include "StackRunner.h"

#include "DiffError.h"

#include <pthread.h>

#include <exception>

namespace orvex {

namespace {

struct TJob {
    const std::function<void()>& Work;
    std::exception_ptr Error;
};

void* RunJob(void* arg) {
    auto& job = *static_cast<TJob*>(arg);
    try {
        job.Work();
    } catch (...) {
        job.Error = std::current_exception();
    }
    return nullptr;
}

} // namespace

void RunWithStack(std::size_t stackBytes, const std::function<void()>& work) {
    TJob job{work, nullptr};
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0)
        throw DiffError(kErrorInFormula);
    pthread_t thread{};
    const bool started = pthread_attr_setstacksize(&attributes, stackBytes) == 0 &&
                         pthread_create(&thread, &attributes, RunJob, &job) == 0;
    pthread_attr_destroy(&attributes);
    // Without a stack of its own the work cannot run safely: the formula is too large for now.
    if (!started)
        throw DiffError(kErrorInFormula);
    pthread_join(thread, nullptr);
    if (job.Error)
        std::rethrow_exception(job.Error);
}

} // namespace orvex
