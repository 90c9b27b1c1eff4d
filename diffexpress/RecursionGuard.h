#pragma once

#include "DiffError.h"

namespace orvex {

// Nested calls that each recursive tree routine (derivative rules, simplifier, printer) may make, and
// so the depth of tree they accept. A derivative text nests its brackets about twice as deep as its
// formula's tree, and the parser accepts 1000 bracket levels, so this bound only refuses trees whose
// derivative could not be parsed anyway: long unbracketed chains such as x^2^2^...^2.
inline constexpr int kMaxTreeDepth = 1000;

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
