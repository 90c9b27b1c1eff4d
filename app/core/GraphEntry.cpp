#include "GraphEntry.h"

#include <algorithm>

namespace orvex {

namespace {

constexpr std::size_t kMaxFormula = 50;
constexpr std::size_t kLengthOffset = 0;
constexpr std::size_t kFormulaOffset = 1;
constexpr std::size_t kColorOffset = 52;
constexpr std::size_t kLinesOffset = 56;
constexpr std::size_t kQualityOffset = 60;
constexpr std::size_t kWidthOffset = 64;

void PutU32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t GetU32(const std::uint8_t* at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | at[i];
    return v;
}

} // namespace

std::string CutFormula(std::string_view formula) {
    return std::string(formula.substr(0, kMaxFormula));
}

std::array<std::uint8_t, kGraphRecordSize> EncodeGraphEntry(const TGraphEntry& entry) {
    std::array<std::uint8_t, kGraphRecordSize> record{}; // bytes without meaning stay 0
    const std::size_t length = std::min(entry.Formula.size(), kMaxFormula);
    record[kLengthOffset] = static_cast<std::uint8_t>(length);
    std::copy_n(entry.Formula.begin(), length, record.begin() + kFormulaOffset);
    PutU32(&record[kColorOffset], entry.Color);
    record[kLinesOffset] = entry.DrawLines;
    PutU32(&record[kQualityOffset], static_cast<std::uint32_t>(entry.Quality));
    PutU32(&record[kWidthOffset], static_cast<std::uint32_t>(entry.LineWidth));
    return record;
}

TGraphEntry DecodeGraphEntry(const std::uint8_t* record) {
    TGraphEntry entry;
    const std::size_t length = std::min<std::size_t>(record[kLengthOffset], kMaxFormula);
    const auto* text = reinterpret_cast<const char*>(record + kFormulaOffset);
    entry.Formula.assign(text, length);
    entry.Color = GetU32(record + kColorOffset);
    entry.DrawLines = record[kLinesOffset];
    entry.Quality = static_cast<std::int32_t>(GetU32(record + kQualityOffset));
    entry.LineWidth = static_cast<std::int32_t>(GetU32(record + kWidthOffset));
    return entry;
}

std::string EncodeDocument(const std::vector<TGraphEntry>& entries) {
    std::string bytes;
    bytes.reserve(entries.size() * kGraphRecordSize);
    for (const TGraphEntry& entry : entries) {
        const auto record = EncodeGraphEntry(entry);
        bytes.append(record.begin(), record.end());
    }
    return bytes;
}

DecodedDocument DecodeDocument(std::string_view bytes, std::size_t capacity) {
    const std::size_t records = bytes.size() / kGraphRecordSize;
    const std::size_t loaded = std::min(records, capacity);
    DecodedDocument document;
    document.entries.reserve(loaded);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    for (std::size_t i = 0; i < loaded; ++i)
        document.entries.push_back(DecodeGraphEntry(data + i * kGraphRecordSize));
    document.droppedRecords = records - loaded;
    return document;
}

} // namespace orvex
