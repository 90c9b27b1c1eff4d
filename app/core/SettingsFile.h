#pragma once

#include "SettingsSnapshot.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvex {

// A profile (INI) file read and written by section and key. Sections and keys match without regard
// to case. Every read goes to the file on disk; every write reaches the file at once and keeps its other
// lines. A missing or unreadable file (a folder, a FIFO, a device, a file larger than
// kSettingsSizeLimit), section or key gives the caller's default, without an error. A leading UTF-8
// byte-order mark is skipped when reading and kept, never added, when writing. A refused write throws
// std::runtime_error("Unable to write to <path>") and leaves the file as it was.
class SettingsFile {
  public:
    explicit SettingsFile(std::filesystem::path path);

    [[nodiscard]] const std::filesystem::path& path() const noexcept { return path_; }

    // Reads the file once; use it to read several keys.
    [[nodiscard]] SettingsSnapshot snapshot() const;

    // Each of these reads the file again.
    [[nodiscard]] std::string readString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) const;
    // Decimal integer, or hexadecimal when the text has three or more characters and starts with 0x/0X;
    // anything else gives the default.
    [[nodiscard]] int readInteger(std::string_view section, std::string_view key, int defaultValue) const;

    // A target that exists but cannot be read is refused, since rewriting it would lose its other lines.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);

  private:
    std::filesystem::path path_;
};

// A settings file larger than this is not read (it holds nine short keys).
inline constexpr std::size_t kSettingsSizeLimit = std::size_t{1} << 20;

// $XDG_CONFIG_HOME/orvex/orxsettings.ini, ~/.config/orvex/orxsettings.ini when XDG_CONFIG_HOME is unset
// or empty. The folder is created on the first write, not here.
[[nodiscard]] std::filesystem::path DefaultSettingsPath();

// The keys, their sections and defaults.
namespace settings {
inline constexpr std::string_view kLimits = "Limits";
inline constexpr std::string_view kTheme = "Theme";
inline constexpr std::string_view kHintPause = "HintPause";
inline constexpr std::string_view kQuality = "Quality";
// The program's own options, in sections of their own that the default-settings dialog leaves alone.
inline constexpr std::string_view kSmoothing = "Smoothing"; // Enabled: 1 draws antialiased, 0 (default) not
} // namespace settings

} // namespace orvex
