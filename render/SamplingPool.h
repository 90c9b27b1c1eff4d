#pragma once

class QThreadPool;

namespace orvex {

// The threads that sample graphs concurrently: one per processor the machine offers. Only sampling runs
// here (no task waits for another), so it cannot deadlock however many redraws use it.
[[nodiscard]] QThreadPool& SamplingPool();

} // namespace orvex
