#include "SettingsFile.h"

#include "IniText.h"
#include "RegularFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <stdexcept>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace orvex {

namespace fs = std::filesystem;

namespace {

using ini::ParsedLine;

struct Location {
    std::optional<std::size_t> entry;     // first line holding the key in a section of that name
    std::optional<std::size_t> insertion; // where a new key goes: after the first such section's last entry
};

Location Locate(const std::vector<std::string_view>& lines, std::string_view section, std::string_view key) {
    Location location;
    bool inSection = false;
    bool firstSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine line = ini::ParseLine(lines[i]);
        if (line.kind == ParsedLine::Kind::Section) {
            inSection = ini::EqualsNoCase(line.name, section);
            firstSection = inSection && !location.insertion;
            if (firstSection)
                location.insertion = i + 1;
        } else if (line.kind == ParsedLine::Kind::Entry && inSection) {
            if (ini::EqualsNoCase(line.name, key)) {
                location.entry = i;
                return location;
            }
            if (firstSection)
                location.insertion = i + 1;
        }
    }
    return location;
}

// The file's text, or nothing when it is missing, cannot be read or is larger than the limit.
std::optional<std::string> ReadSettingsText(const fs::path& path) {
    RegularFileContent content = ReadRegularFile(path, kSettingsSizeLimit + 1);
    if (!content.read() || content.bytes.size() > kSettingsSizeLimit)
        return std::nullopt;
    return std::move(content.bytes);
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes a sibling temporary file and renames it over the target, so the old file survives any failure.
bool ReplaceFile(const fs::path& target, std::string_view content) {
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::create_directories(folder, ec);
    if (ec)
        return false;

    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                              std::to_string(attempt) + ".tmp");
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;

    const bool written = WriteAll(fd, content) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (written && closed) {
        const auto status = fs::status(target, ec);
        if (!ec && fs::is_regular_file(status))
            fs::permissions(temporary, status.permissions(), ec); // keep the old file's mode
        fs::rename(temporary, target, ec);
        if (!ec)
            return true;
    }
    fs::remove(temporary, ec);
    return false;
}

bool IsSafeName(std::string_view name, std::string_view forbidden) {
    return !ini::Trim(name).empty() && name.find_first_of(forbidden) == std::string_view::npos;
}

// The file's text with key=value stored: in place of the key's first line, else after the last entry of
// the first section of that name, else in a new section at the end. Every other line stays as it was,
// a leading byte-order mark included.
std::string WithEntry(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::string_view body = ini::WithoutByteOrderMark(content);
    const auto lines = ini::SplitLines(body);
    const bool crlf = !lines.empty() && !lines.front().empty() && lines.front().back() == '\r';
    const std::string cr = crlf ? "\r" : "";
    const std::string entry = std::string(key) + "=" + std::string(value) + cr;
    const Location location = Locate(lines, section, key);

    std::string updated(content.substr(0, content.size() - body.size()));
    updated.reserve(content.size() + entry.size() + section.size() + 8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (location.entry == i) {
            updated += entry + "\n";
            continue;
        }
        if (!location.entry && location.insertion == i)
            updated += entry + "\n";
        updated.append(lines[i]);
        updated += '\n';
    }
    if (!location.entry && location.insertion == lines.size())
        updated += entry + "\n";
    if (!location.insertion)
        updated += "[" + std::string(section) + "]" + cr + "\n" + entry + "\n";
    return updated;
}

} // namespace

SettingsFile::SettingsFile(fs::path path) : path_(std::move(path)) {}

SettingsSnapshot SettingsFile::snapshot() const {
    const auto text = ReadSettingsText(path_);
    return text ? SettingsSnapshot(*text) : SettingsSnapshot();
}

std::string SettingsFile::readString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    return snapshot().readString(section, key, defaultValue);
}

int SettingsFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    return snapshot().readInteger(section, key, defaultValue);
}

void SettingsFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    // A name or value that would split or end its line cannot be stored faithfully.
    if (!IsSafeName(section, "]\r\n") || !IsSafeName(key, "=\r\n") || ini::Trim(key).front() == '[' ||
        ini::Trim(key).front() == ';' || value.find_first_of("\r\n") != std::string_view::npos)
        throw std::invalid_argument("Invalid settings entry [" + std::string(section) + "] " +
                                    std::string(key));
    section = ini::Trim(section);
    key = ini::Trim(key);

    const std::string failure = "Unable to write to " + path_.string();
    std::error_code ec;
    fs::path target = path_;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    // Rewriting what exists but cannot be read (a folder, a FIFO, an oversized file) would lose its
    // other lines.
    RegularFileContent existing = ReadRegularFile(target, kSettingsSizeLimit + 1);
    if (existing.status == RegularFileContent::Status::Unreadable ||
        existing.bytes.size() > kSettingsSizeLimit)
        throw std::runtime_error(failure);

    if (!ReplaceFile(target, WithEntry(existing.bytes, section, key, ini::Trim(value))))
        throw std::runtime_error(failure);
}

void SettingsFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

fs::path DefaultSettingsPath() {
    fs::path configHome;
    // A relative XDG_CONFIG_HOME is invalid by the XDG rules and is ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg && fs::path(xdg).is_absolute()) {
        configHome = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd* user = ::getpwuid(::getuid());
            home = user ? user->pw_dir : nullptr;
        }
        configHome = fs::path(home ? home : ".") / ".config";
    }
    return configHome / "orvex" / "orxsettings.ini";
}

} // namespace orvex
