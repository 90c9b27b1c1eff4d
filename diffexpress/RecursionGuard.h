#pragma once

#include "DiffError.h"
#include "NodeTable.h"

namespace orvex {

// Nested calls that each recursive tree routine (derivative rules, simplifier, printer) may make. Each
// active call stands for one node on a path from the root, so no tree of the table reaches this
// bound; it caps the stack that the routines can take (see TDiffExpress).
inline constexpr int kMaxTreeDepth = TNodeTable::MaxNodes;

// Counts the active calls of a recursive routine and refuses to go deeper than `limit`, so that no
// input can exhaust the stack. A refused call raises "Error in formula.", the message for a formula
// that is too large for the component.
class TRecursionGuard {
  public:
    TRecursionGuard(int& depth, int limit) : depth_(depth) {
        if (depth_ >= limit)
            throw DiffError(kErrorInFormula);
        ++depth_;
    }
    ~TRecursionGuard() { --depth_; }
    TRecursionGuard(const TRecursionGuard&) = delete;
    TRecursionGuard& operator=(const TRecursionGuard&) = delete;

  private:
    int& depth_;
};

} // namespace orvex
