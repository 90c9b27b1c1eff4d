#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// One graph. Formula holds single-byte (Windows-1251) text of at most 50 bytes.
struct TGraphEntry {
    std::string Formula;
    std::uint32_t Color = 0;    // 0x00BBGGRR, or a system colour when the top bit is set
    std::uint8_t DrawLines = 0; // the lines byte as read: 0 draws points, any other value lines
    std::int32_t Quality = 100;
    std::int32_t LineWidth = 1;

    bool operator==(const TGraphEntry&) const = default;
};

inline constexpr std::size_t kGraphRecordSize = 68;
inline constexpr std::size_t kGraphCapacity = 101;

// Keeps the first 50 bytes of a formula, as every writer of TGraphEntry::Formula must.
[[nodiscard]] std::string CutFormula(std::string_view formula);

// The 68-byte little-endian record of the document file.
[[nodiscard]] std::array<std::uint8_t, kGraphRecordSize> EncodeGraphEntry(const TGraphEntry& entry);
// Reads one record; a length byte above 50 counts as 50. The other fields are copied unchanged, the
// lines byte included.
[[nodiscard]] TGraphEntry DecodeGraphEntry(const std::uint8_t* record);

// A whole document: the records in list order, no header.
[[nodiscard]] std::string EncodeDocument(const std::vector<TGraphEntry>& entries);

struct DecodedDocument {
    std::vector<TGraphEntry> entries; // at most `capacity`
    std::size_t droppedRecords = 0;   // complete records past the capacity, not loaded
};
// Reads floor(size / 68) records; a trailing part shorter than a record is ignored.
[[nodiscard]] DecodedDocument DecodeDocument(std::string_view bytes, std::size_t capacity = kGraphCapacity);

} // namespace orvex
