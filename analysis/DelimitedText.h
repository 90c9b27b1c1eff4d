#pragma once

#include <string>
#include <vector>

namespace orvex {

// The field separator of a CSV file: ";" where the decimal separator is ",", otherwise ",".
[[nodiscard]] char CsvSeparator(char decimalSeparator);

// One line of a CSV file, without its line break: the fields joined by `separator`, each field that holds
// the separator, a quote or a line break enclosed in quotes with its quotes doubled (RFC 4180).
[[nodiscard]] std::string CsvLine(const std::vector<std::string>& fields, char separator);

// One line of tab-separated text, without its line break. Tabs and line breaks inside a field become
// blanks, so that every field stays in its own cell when the text is pasted.
[[nodiscard]] std::string TabLine(const std::vector<std::string>& fields);

} // namespace orvex
