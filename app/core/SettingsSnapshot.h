#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// The settings file as one read found it: answers any number of keys without going back to the disk.
// Sections and keys match without regard to case, the first match in the file wins, and a missing
// section or key gives the caller's default. A default-constructed snapshot (no file, or one that could
// not be read) gives every default.
class SettingsSnapshot {
  public:
    SettingsSnapshot() = default;
    // Parses the file's text; a leading UTF-8 byte-order mark is skipped.
    explicit SettingsSnapshot(std::string_view text);

    [[nodiscard]] std::string readString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) const;
    // Decimal integer, or hexadecimal when the text has three or more characters and starts with 0x/0X;
    // anything else gives the default.
    [[nodiscard]] int readInteger(std::string_view section, std::string_view key, int defaultValue) const;

  private:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    [[nodiscard]] const Entry* find(std::string_view section, std::string_view key) const;

    std::vector<Entry> entries_; // in file order; entries before the first section belong to none
};

} // namespace orvex
