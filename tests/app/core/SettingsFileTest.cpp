#include "SettingsFile.h"

#include <gmock/gmock.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
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
        path_ = fs::path(pattern) / "orvex" / "orxsettings.ini";
    }
    void TearDown() override { fs::remove_all(path_.parent_path().parent_path()); }
    void put(const std::string& content) const {
        fs::create_directories(path_.parent_path());
        std::ofstream(path_, std::ios::binary) << content;
    }
    [[nodiscard]] std::string contents() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    fs::path path_;
};

// A missing file gives the defaults and is not created by reading; the first write creates the folder;
// each read sees the file as it is now. Then good and malformed lines, the last one without newline.
// Integers are decimal, or hexadecimal for 3 or more characters starting with 0x; else the default.
TEST_F(SettingsFileTest, ReadsTheFileAsItIsNowFirstMatchWithoutRegardToCase) {
    const SettingsFile settings(path_);
    EXPECT_EQ(settings.readInteger("Quality", "A", 100), 100);
    EXPECT_FALSE(fs::exists(path_));
    SettingsFile(path_).writeInteger("Quality", "A", -4);
    EXPECT_EQ(settings.readInteger("Quality", "A", 100), -4);
    const std::string longValue(100000, 'z');
    put("orphan=1\n[limits]\n  xmin =  -0,5  \nXMax=7\r\nbare\n=no key\nDup=first\ndup=second\n[ Quality ]\n"
        "A=0x1F\nB=0X10\nC= -12\nD=0xFFFFFFFF\nE=0x\nF=0x1G\nH=0x100000000\nEmpty=\n[Last]\nLong=" +
        longValue);
    EXPECT_EQ(settings.readString("Last", "Long", ""), longValue);
    const std::tuple<const char*, const char*, const char*> strings[] = {
        {"Limits", "XMin", "-0,5"},      {"LIMITS", "xmax", "7"},          {"Limits", "Dup", "first"},
        {"quality", "empty", ""},        {"Limits", "Missing", "default"}, {"Nowhere", "XMin", "default"},
        {"Limits", "orphan", "default"}, {"Limits", "bare", "default"}};
    for (const auto& [section, key, expected] : strings)
        EXPECT_EQ(settings.readString(section, key, "default"), expected) << section << "." << key;
    const std::pair<const char*, int> integers[] = {{"A", 31},  {"B", 16},  {"C", -12}, {"D", -1},
                                                    {"E", 100}, {"F", 100}, {"H", 100}};
    for (const auto& [key, expected] : integers)
        EXPECT_EQ(settings.readInteger("Quality", key, 100), expected) << key;
}

// A write changes its own line, adds a key to the first matching section or a new section at the end,
// and keeps every other line as it was, Windows line ends included.
TEST_F(SettingsFileTest, WriteKeepsEveryOtherLine) {
    put("; settings\n[Limits]\nXMin=-5\n\n; grid\nVert=10\n\n[Custom]\nkeep=me\n[Limits]\nXMin=9");
    SettingsFile settings(path_);
    settings.writeString("limits", "xmin", "-0,5");
    settings.writeString("Limits", "Hor", "12");
    settings.writeInteger("Quality", "Graph", 37);
    EXPECT_EQ(contents(), "; settings\n[Limits]\nxmin=-0,5\n\n; grid\nVert=10\nHor=12\n\n[Custom]\nkeep=me\n"
                          "[Limits]\nXMin=9\n[Quality]\nGraph=37\n");
    put("[A]\r\nx=1\r\ny=2");
    settings.writeInteger("A", "x", -4);
    EXPECT_EQ(contents(), "[A]\r\nx=-4\r\ny=2\n");
}

// A refused write names the file and leaves what is there, and no temporary file, behind. Names and
// values that would break the line are refused before anything is written.
TEST_F(SettingsFileTest, RefusedWriteNamesThePath) {
    SettingsFile settings(path_);
    for (const auto& [section, key, value] :
         {std::tuple("Limits", "a=b", "1"), std::tuple("Lim]its", "a", "1"), std::tuple("Limits", "", "1"),
          std::tuple("Limits", "a", "1\n[X]")})
        EXPECT_THROW(settings.writeString(section, key, value), std::invalid_argument) << key << value;
    EXPECT_FALSE(fs::exists(path_));
    put("not a folder");
    const fs::path inside = path_ / "orxsettings.ini";
    EXPECT_THAT([&] { SettingsFile(inside).writeString("Limits", "XMin", "1"); },
                ::testing::ThrowsMessage<std::runtime_error>(
                    ::testing::StrEq("Unable to write to " + inside.string())));
    EXPECT_EQ(contents(), "not a folder");
    fs::remove(path_);
    fs::create_directory(path_); // a folder where the file should be: the final rename fails
    EXPECT_THROW(settings.writeString("Limits", "XMin", "1"), std::runtime_error);
    EXPECT_EQ(std::distance(fs::directory_iterator(path_.parent_path()), fs::directory_iterator()), 1);
}

// No other test here reads the environment, so it is not restored.
TEST(DefaultSettingsPath, FollowsXdgConfigHome) {
    ::setenv("HOME", "/home/someone", 1);
    for (const auto& [value, folder] : {std::pair{"", "/home/someone/.config"},
                                        {"relative/dir", "/home/someone/.config"},
                                        {"/tmp/orvex-config", "/tmp/orvex-config"}}) {
        ::setenv("XDG_CONFIG_HOME", value, 1);
        EXPECT_EQ(DefaultSettingsPath(), fs::path(folder) / "orvex" / "orxsettings.ini") << value;
    }
}

} // namespace
} // namespace orvex
