#include "NodeTable.h"

#include <cstdlib>

namespace orvex {

int TNodeTable::NewNode() {
    ++NodeCount_;
    if (NodeCount_ > MaxNodes) {
        NodeCount_ = 0;
        return 0;
    }
    TTree& node = Nodes_[static_cast<std::size_t>(NodeCount_)];
    node.Left = 0;
    node.Right = 0;
    return NodeCount_;
}

std::size_t TNodeTable::Slot(int index) {
    // Every index stored in the table comes from NewNode, so a stray one is a programming error.
    if (index < 0 || index > MaxNodes)
        std::abort();
    return static_cast<std::size_t>(index);
}

} // namespace orvex
