#pragma once

#include "GraphEntry.h"
#include "SavedFile.h"

#include <QString>

#include <vector>

namespace orvex {

// `name` with `extension` (".orx", ".bmp") appended, unless it already ends with it in any case.
[[nodiscard]] QString WithExtension(const QString& name, const QString& extension);

// "Cannot open file "NAME". REASON". (CannotCreateFileMessage comes with SavedFile.h.)
[[nodiscard]] QString CannotOpenFileMessage(const QString& name, const QString& reason);

// Reads a document file: at most `capacity` records, the count of further complete records in
// droppedRecords. Only the records that fit are read, however large the file, and only from a regular
// file: a folder, FIFO or device is refused at once. Throws std::runtime_error with CannotOpenFileMessage
// (UTF-8) when the file cannot be opened or read.
[[nodiscard]] DecodedDocument ReadDocumentFile(const QString& path, std::size_t capacity = kGraphCapacity);

// Writes the records to `path` through a temporary file that replaces it only once every byte is on the
// disk, so a failure (a full disk included) leaves an existing file intact. Throws std::runtime_error with
// CannotCreateFileMessage (UTF-8).
void WriteDocumentFile(const QString& path, const std::vector<TGraphEntry>& entries);

} // namespace orvex
