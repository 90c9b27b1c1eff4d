#pragma once

#include "GraphEntry.h"

#include <filesystem>
#include <string>

namespace orvex {

struct DocumentRead {
    DecodedDocument document;
    std::string error; // empty when read; else why not, e.g. "Not a regular file" or the system's text

    [[nodiscard]] bool read() const noexcept { return error.empty(); }
};

// Reads a document file: at most `capacity` records, however large the file, and the count of the
// complete records past them (taken from the file's size, not read). Only a regular file is read; a
// folder, FIFO or device is refused without blocking. Never throws for I/O.
[[nodiscard]] DocumentRead ReadDocumentRecords(const std::filesystem::path& path,
                                               std::size_t capacity = kGraphCapacity);

} // namespace orvex
