#pragma once

#include "GraphEntry.h"

#include <QString>

#include <vector>

namespace orvex {

// `name` with `extension` (".orx", ".bmp") appended, unless it already ends with it in any case.
[[nodiscard]] QString WithExtension(const QString& name, const QString& extension);

// The user-facing file messages: "Cannot create file "NAME". REASON" and "Cannot open file "NAME". REASON".
[[nodiscard]] QString CannotCreateFileMessage(const QString& name, const QString& reason);
[[nodiscard]] QString CannotOpenFileMessage(const QString& name, const QString& reason);

// Reads a document file: at most `capacity` records, the count of further complete records in
// droppedRecords. Only the records that fit are read, however large the file. Throws std::runtime_error
// with CannotOpenFileMessage (UTF-8) when the file cannot be opened or read.
[[nodiscard]] DecodedDocument ReadDocumentFile(const QString& path, std::size_t capacity = kGraphCapacity);

// Writes the records to `path` through a temporary file that replaces it only once complete, so a
// failure leaves an existing file intact. Throws std::runtime_error with CannotCreateFileMessage (UTF-8).
void WriteDocumentFile(const QString& path, const std::vector<TGraphEntry>& entries);

} // namespace orvex
