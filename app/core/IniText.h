#pragma once

#include <optional>
#include <string_view>
#include <vector>

// The line-level rules of the settings file, shared by its reader and its writer.
namespace orvex::ini {

// The UTF-8 byte-order mark that many editors put at the start of a text file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

[[nodiscard]] std::string_view Trim(std::string_view s);
[[nodiscard]] bool EqualsNoCase(std::string_view a, std::string_view b);

// What one line holds. The views point into the line given to ParseLine.
struct ParsedLine {
    enum class Kind { Other, Section, Entry };
    Kind kind = Kind::Other;
    std::string_view name;  // section name or key, trimmed
    std::string_view value; // entries only, trimmed
};
// `raw` excludes the '\n'; a trailing '\r' is not part of any field. Lines starting with ';' are comments.
[[nodiscard]] ParsedLine ParseLine(std::string_view raw);

// The text's lines without their '\n'; a final line without '\n' counts as a line.
[[nodiscard]] std::vector<std::string_view> SplitLines(std::string_view text);

// `text` without a leading byte-order mark.
[[nodiscard]] std::string_view WithoutByteOrderMark(std::string_view text);

// Decimal integer, or hexadecimal when the text has three or more characters and starts with 0x/0X (a
// 32-bit pattern: 0xFFFFFFFF is -1); nothing for any other text.
[[nodiscard]] std::optional<int> ParseInteger(std::string_view text);

} // namespace orvex::ini
