#include "DocumentReader.h"

#include "RegularFile.h"

#include <algorithm>
#include <cstdint>

namespace orvex {

DocumentRead ReadDocumentRecords(const std::filesystem::path& path, std::size_t capacity) {
    DocumentRead result;
    const RegularFileContent content = ReadRegularFile(path, capacity * kGraphRecordSize);
    if (!content.read()) {
        result.error = content.reason;
        return result;
    }
    result.document = DecodeDocument(content.bytes, capacity);
    // The complete records past the ones read, counted from the size without reading them. A file that
    // grew while it was read counts as at least what was read.
    const std::uint64_t size = std::max<std::uint64_t>(content.size, content.bytes.size());
    const auto records = static_cast<std::size_t>(size / kGraphRecordSize);
    result.document.droppedRecords = records - result.document.entries.size();
    return result;
}

} // namespace orvex
