#include "SettingsSnapshot.h"

#include "IniText.h"

#include <optional>

namespace orvex {

using ini::ParsedLine;

SettingsSnapshot::SettingsSnapshot(std::string_view text) {
    std::optional<std::string_view> section;
    for (const std::string_view raw : ini::SplitLines(ini::WithoutByteOrderMark(text))) {
        const ParsedLine line = ini::ParseLine(raw);
        if (line.kind == ParsedLine::Kind::Section)
            section = line.name;
        else if (line.kind == ParsedLine::Kind::Entry && section)
            entries_.push_back({std::string(*section), std::string(line.name), std::string(line.value)});
    }
}

const SettingsSnapshot::Entry* SettingsSnapshot::find(std::string_view section, std::string_view key) const {
    section = ini::Trim(section);
    key = ini::Trim(key);
    for (const Entry& entry : entries_) {
        if (ini::EqualsNoCase(entry.key, key) && ini::EqualsNoCase(entry.section, section))
            return &entry;
    }
    return nullptr;
}

std::string SettingsSnapshot::readString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) const {
    const Entry* entry = find(section, key);
    return std::string(entry ? std::string_view(entry->value) : defaultValue);
}

int SettingsSnapshot::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const Entry* entry = find(section, key);
    return entry ? ini::ParseInteger(entry->value).value_or(defaultValue) : defaultValue;
}

} // namespace orvex
