#include "SettingsFile.h"

#include "NumberText.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <pwd.h>
#include <stdexcept>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace orvex {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

// What one line of the file holds. `raw` excludes the '\n'; a trailing '\r' is not part of any field.
struct ParsedLine {
    enum class Kind { Other, Section, Entry };
    Kind kind = Kind::Other;
    std::string_view name;  // section name or key, trimmed
    std::string_view value; // entries only, trimmed
};

ParsedLine Parse(std::string_view raw) {
    if (!raw.empty() && raw.back() == '\r')
        raw.remove_suffix(1);
    const std::string_view text = Trim(raw);
    ParsedLine line;
    if (text.empty() || text.front() == ';')
        return line;
    if (text.front() == '[') {
        const auto close = text.find(']');
        line.kind = ParsedLine::Kind::Section;
        line.name = Trim(text.substr(1, close == std::string_view::npos ? text.npos : close - 1));
        return line;
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return line;
    line.name = Trim(text.substr(0, equals));
    if (line.name.empty())
        return line;
    line.kind = ParsedLine::Kind::Entry;
    line.value = Trim(text.substr(equals + 1));
    return line;
}

// The file's lines without their '\n'; a final line without '\n' counts as a line.
std::vector<std::string_view> SplitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const auto end = content.find('\n', start);
        if (end == std::string_view::npos) {
            lines.push_back(content.substr(start));
            break;
        }
        lines.push_back(content.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

struct Location {
    std::optional<std::size_t> entry;     // first line holding the key in a section of that name
    std::optional<std::size_t> insertion; // where a new key goes: after the first such section's last entry
};

Location Locate(const std::vector<std::string_view>& lines, std::string_view section, std::string_view key) {
    Location location;
    bool inSection = false;
    bool firstSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine line = Parse(lines[i]);
        if (line.kind == ParsedLine::Kind::Section) {
            inSection = EqualsNoCase(line.name, section);
            firstSection = inSection && !location.insertion;
            if (firstSection)
                location.insertion = i + 1;
        } else if (line.kind == ParsedLine::Kind::Entry && inSection) {
            if (EqualsNoCase(line.name, key)) {
                location.entry = i;
                return location;
            }
            if (firstSection)
                location.insertion = i + 1;
        }
    }
    return location;
}

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return content;
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
    return !Trim(name).empty() && name.find_first_of(forbidden) == std::string_view::npos;
}

std::optional<int> ParseInteger(std::string_view text) {
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint64_t value = 0;
        for (const char c : text.substr(2)) {
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (value > 0xFFFFFFFFu)
                return std::nullopt;
        }
        // Hexadecimal gives a 32-bit pattern: 0xFFFFFFFF reads as -1.
        return static_cast<int>(static_cast<std::uint32_t>(value));
    }
    return ReadInteger(text);
}

// The file's text with key=value stored: in place of the key's first line, else after the last entry of
// the first section of that name, else in a new section at the end. Every other line stays as it was.
std::string WithEntry(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value) {
    const auto lines = SplitLines(content);
    const bool crlf = !lines.empty() && !lines.front().empty() && lines.front().back() == '\r';
    const std::string cr = crlf ? "\r" : "";
    const std::string entry = std::string(key) + "=" + std::string(value) + cr;
    const Location location = Locate(lines, section, key);

    std::string updated;
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

std::string SettingsFile::readString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    const auto content = ReadAll(path_);
    if (!content)
        return std::string(defaultValue);
    const auto lines = SplitLines(*content);
    const Location location = Locate(lines, Trim(section), Trim(key));
    if (!location.entry)
        return std::string(defaultValue);
    return std::string(Parse(lines[*location.entry]).value);
}

int SettingsFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = ParseInteger(readString(section, key, {}));
    return value.value_or(defaultValue);
}

void SettingsFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    // A name or value that would split or end its line cannot be stored faithfully.
    if (!IsSafeName(section, "]\r\n") || !IsSafeName(key, "=\r\n") || Trim(key).front() == '[' ||
        Trim(key).front() == ';' || value.find_first_of("\r\n") != std::string_view::npos)
        throw std::invalid_argument("Invalid settings entry [" + std::string(section) + "] " +
                                    std::string(key));
    section = Trim(section);
    key = Trim(key);

    const std::string failure = "Unable to write to " + path_.string();
    std::error_code ec;
    fs::path target = path_;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    std::string content;
    if (fs::exists(target, ec)) {
        auto existing = ReadAll(target);
        if (!existing) // rewriting what cannot be read would lose its other lines
            throw std::runtime_error(failure);
        content = std::move(*existing);
    }

    if (!ReplaceFile(target, WithEntry(content, section, key, Trim(value))))
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
