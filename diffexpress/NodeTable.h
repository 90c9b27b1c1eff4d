#pragma once

#include "NodeCodes.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvex {

// One slot of the node table.
struct TTree {
    std::int32_t Kind = tkEnd;
    std::string Text;       // number text, name, or function name as written; unused for operators
    std::int32_t Left = 0;  // left operand, operand of tkNeg, or function argument; 0 = none
    std::int32_t Right = 0; // right operand of a two-operand operator; 0 = none
};

// The fixed table of 5000 nodes that holds every tree of the component, addressed by index 1..5000.
// Index 0 stands for "no node". Slots are handed out in increasing order and only released all at
// once, so a tree costs no allocation of its own.
class TNodeTable {
  public:
    static constexpr int MaxNodes = 5000;

    TNodeTable() = default;
    TNodeTable(const TNodeTable&) = delete;
    TNodeTable& operator=(const TNodeTable&) = delete;

    // Hands out the next slot with Left and Right cleared. When the table is full it empties the
    // table (NodeCount becomes 0) and returns 0; the caller reports the overflow.
    [[nodiscard]] int NewNode();
    void ClearNodes() { NodeCount_ = 0; }
    [[nodiscard]] int NodeCount() const { return NodeCount_; }

    // Slot access; index 0 is a valid, permanently empty slot so that "no node" can be read safely.
    [[nodiscard]] TTree& operator[](int index) { return Nodes_[Slot(index)]; }
    [[nodiscard]] const TTree& operator[](int index) const { return Nodes_[Slot(index)]; }

  private:
    [[nodiscard]] static std::size_t Slot(int index);

    std::array<TTree, MaxNodes + 1> Nodes_{};
    int NodeCount_ = 0;
};

} // namespace orvex
