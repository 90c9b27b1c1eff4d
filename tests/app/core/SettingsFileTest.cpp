#include "SettingsFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <tuple>

namespace orvex {
namespace {

namespace fs = std::filesystem;

// Each test works on orvex/orxsettings.ini in a fresh temporary folder; the subfolder does not exist
// until something writes the file.
class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "orvex-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = dir_ / "orvex" / "orxsettings.ini";
    }
    void TearDown() override { fs::remove_all(dir_); }

    void put(const std::string& content) const {
        fs::create_directories(path_.parent_path());
        std::ofstream(path_, std::ios::binary) << content;
    }
    [[nodiscard]] std::string contents() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path dir_;
    fs::path path_;
};

// Well-formed and malformed lines side by side; the last line has no newline. Integers are decimal, or
// hexadecimal for three or more characters starting with 0x; anything else gives the default.
TEST_F(SettingsFileTest, ReadsTheFirstMatchWithoutRegardToCase) {
    const std::string longValue(100000, 'z');
    put("orphan=1\n[limits]\n  xmin =  -0,5  \nXMax=7\r\nno equals sign\n=no key\nDup=first\ndup=second\n"
        "[ Quality ]\nA=0x1F\nB=0X10\nC= -12\nD=0xFFFFFFFF\nE=0x\nF=0x1G\nG=1.5\nH=0x100000000\n"
        "J=99999999999\nEmpty=\n[Last]\nLong=" +
        longValue);
    const SettingsFile settings(path_);
    const std::tuple<const char*, const char*, std::string> strings[] = {
        {"Limits", "XMin", "-0,5"},       {"LIMITS", "xmax", "7"},
        {"Limits", "Dup", "first"},       {"Last", "Long", longValue},
        {"Limits", "Missing", "default"}, {"Nowhere", "XMin", "default"},
        {"Limits", "orphan", "default"},  {"Limits", "no equals sign", "default"},
        {"quality", "empty", ""}};
    for (const auto& [section, key, expected] : strings)
        EXPECT_EQ(settings.readString(section, key, "default"), expected) << section << "." << key;
    const std::pair<const char*, int> integers[] = {{"A", 31},  {"B", 16},  {"C", -12}, {"D", -1}, {"E", 100},
                                                    {"F", 100}, {"G", 100}, {"H", 100}, {"J", 100}};
    for (const auto& [key, expected] : integers)
        EXPECT_EQ(settings.readInteger("Quality", key, 100), expected) << key;
}

// A missing file gives the defaults; the first write creates the folder; every read goes to the disk.
TEST_F(SettingsFileTest, EveryReadSeesTheFileAsItIsNow) {
    const SettingsFile reader(path_);
    EXPECT_EQ(reader.readString(settings::kLimits, "XMin", "-5"), "-5");
    EXPECT_EQ(reader.readInteger(settings::kQuality, "Graph", 100), 100);
    EXPECT_FALSE(fs::exists(path_));
    SettingsFile(path_).writeInteger("Quality", "Graph", -4);
    EXPECT_EQ(reader.readInteger("Quality", "Graph", 100), -4);
    put("[Quality]\nGraph=0x20\n");
    EXPECT_EQ(reader.readInteger("Quality", "Graph", 100), 32);
}

// A write changes its own line, adds a key to the first matching section or a new section at the end,
// and keeps every other line as it was.
TEST_F(SettingsFileTest, WriteKeepsEveryOtherLine) {
    put("; settings\n[Limits]\nXMin=-5\n\n; grid\nVert=10\n\n[Custom]\nkeep=me\n[Limits]\nXMin=9");
    SettingsFile settings(path_);
    settings.writeString("limits", "xmin", "-0,5");
    settings.writeString("Limits", "Hor", "12");
    settings.writeInteger("Quality", "Graph", 37);
    EXPECT_EQ(contents(), "; settings\n[Limits]\nxmin=-0,5\n\n; grid\nVert=10\nHor=12\n\n[Custom]\nkeep=me\n"
                          "[Limits]\nXMin=9\n[Quality]\nGraph=37\n");
    put("[A]\r\nx=1\r\ny=2"); // Windows line ends stay; a missing last newline is added
    settings.writeString("A", "x", "3");
    EXPECT_EQ(contents(), "[A]\r\nx=3\r\ny=2\n");
}

// A refused write names the file and leaves what is there, and no temporary file, behind.
TEST_F(SettingsFileTest, RefusedWriteNamesThePath) {
    put("not a folder");
    const fs::path inside = path_ / "orxsettings.ini";
    EXPECT_THAT([&] { SettingsFile(inside).writeString("Limits", "XMin", "1"); },
                ::testing::ThrowsMessage<std::runtime_error>(
                    ::testing::StrEq("Unable to write to " + inside.string())));
    EXPECT_EQ(contents(), "not a folder");
    fs::remove(path_);
    fs::create_directory(path_); // a folder where the file should be: the final rename fails
    EXPECT_THROW(SettingsFile(path_).writeString("Limits", "XMin", "1"), std::runtime_error);
    EXPECT_EQ(std::distance(fs::directory_iterator(path_.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(SettingsFileTest, RejectsNamesAndValuesThatWouldBreakTheLine) {
    SettingsFile settings(path_);
    for (const auto& [section, key, value] :
         {std::tuple("Limits", "a=b", "1"), std::tuple("Lim]its", "a", "1"), std::tuple("Limits", "", "1"),
          std::tuple("Limits", "a", "1\n[X]")})
        EXPECT_THROW(settings.writeString(section, key, value), std::invalid_argument) << key << value;
    EXPECT_FALSE(fs::exists(path_));
}

TEST(DefaultSettingsPath, FollowsXdgConfigHome) {
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const std::optional<std::string> xdg = std::getenv("XDG_CONFIG_HOME")
                                               ? std::optional<std::string>(std::getenv("XDG_CONFIG_HOME"))
                                               : std::nullopt;
    ::setenv("HOME", "/home/someone", 1);
    for (const char* unusable : {"", "relative/dir"}) {
        ::setenv("XDG_CONFIG_HOME", unusable, 1);
        EXPECT_EQ(DefaultSettingsPath(), fs::path("/home/someone/.config/orvex/orxsettings.ini"));
    }
    ::setenv("XDG_CONFIG_HOME", "/tmp/orvex-config", 1);
    EXPECT_EQ(DefaultSettingsPath(), fs::path("/tmp/orvex-config/orvex/orxsettings.ini"));
    ::setenv("HOME", home.c_str(), 1);
    xdg ? ::setenv("XDG_CONFIG_HOME", xdg->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace orvex
