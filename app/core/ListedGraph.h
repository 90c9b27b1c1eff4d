#pragma once

#include "GraphEntry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// One graph as the graph list shows it: its record, its item text (UTF-8; the editor's text as typed
// for a graph just added, otherwise the record's formula) and its check mark.
struct ListedGraph {
    TGraphEntry entry;
    std::string itemText;
    bool checked = true;

    bool operator==(const ListedGraph&) const = default;
};

// The whole graph list: what undo restores and what the recovery file keeps.
using GraphListState = std::vector<ListedGraph>;

// The recovery file: the magic line "ORVEX-RECOVERY 1", the count of graphs (32-bit little-endian), then
// for each graph its 68-byte document record, its check mark (one byte, 0 or 1), the length of its item
// text (32-bit) and the text. Nothing may follow.
[[nodiscard]] std::string EncodeRecovery(const GraphListState& graphs);
// Nothing when the bytes are not a complete, consistent recovery file of at most 101 graphs.
[[nodiscard]] std::optional<GraphListState> DecodeRecovery(std::string_view bytes);

} // namespace orvex
