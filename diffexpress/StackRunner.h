#pragma once

#include <cstddef>
#include <functional>

namespace orvex {

// Runs `work` on a thread of its own whose stack holds `stackBytes`, waits for it to finish and
// rethrows whatever it threw. This gives deeply recursive work a stack of known size whatever thread
// the caller runs on. Raises "Error in formula." when no such thread can be started.
void RunWithStack(std::size_t stackBytes, const std::function<void()>& work);

} // namespace orvex
