#include "SettingsFile.h"
#include "ChildProcess.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <functional>
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
    [[nodiscard]] std::size_t filesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(path_.parent_path()), fs::directory_iterator()));
    }
    // Runs `write` in a child process; 0 when it threw "Unable to write to <path>", else another code.
    [[nodiscard]] int refusedInChild(const std::function<void()>& write,
                                     const std::function<void()>& before = {}) const {
        return testing::RunInChild(
            [&] {
                if (before)
                    before();
                try {
                    write();
                    return 1;
                } catch (const std::runtime_error& e) {
                    return e.what() == "Unable to write to " + path_.string() ? 0 : 2;
                }
            },
            std::chrono::seconds(10));
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

// Many editors start a UTF-8 file with a byte-order mark: the first section is still found, and a write
// keeps the mark where it was without adding one.
TEST_F(SettingsFileTest, ByteOrderMarkIsSkipped) {
    put("\xEF\xBB\xBF[Limits]\r\nXMin=-7\r\n");
    SettingsFile settings(path_);
    EXPECT_EQ(settings.readString("Limits", "XMin", "-5"), "-7");
    settings.writeString("Limits", "XMax", "7");
    EXPECT_EQ(contents(), "\xEF\xBB\xBF[Limits]\r\nXMin=-7\r\nXMax=7\r\n");
}

// One read answers every key: the snapshot does not go back to the disk.
TEST_F(SettingsFileTest, SnapshotReadsTheFileOnce) {
    put("[Quality]\nGraph=37\n");
    const SettingsSnapshot snapshot = SettingsFile(path_).snapshot();
    fs::remove(path_);
    EXPECT_EQ(snapshot.readInteger("quality", "GRAPH", 100), 37);
    EXPECT_EQ(snapshot.readString("Limits", "XMin", "-5"), "-5");
    EXPECT_EQ(SettingsSnapshot().readInteger("Quality", "Graph", 100), 100);
}

// What is not a readable regular file of sane size reads as no file (every default, at once, no error);
// a write to it is refused, since rewriting it would lose its lines, and leaves it as it was. Each case
// runs in a child process, so a read that blocks fails the test instead of stalling it.
TEST_F(SettingsFileTest, UnreadableFileGivesDefaultsAndRefusesWrites) {
    const std::string oversized = "[Quality]\nGraph=37\n" + std::string(kSettingsSizeLimit, ';');
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"folder", [&] { fs::create_directories(path_); }},
        {"fifo",
         [&] {
             fs::create_directories(path_.parent_path());
             ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
         }},
        {"oversized", [&] { put(oversized); }},
    };
    for (const auto& [name, make] : cases) {
        make();
        const auto type = fs::status(path_).type();
        SettingsFile settings(path_);
        EXPECT_EQ(testing::RunInChild([&] { return settings.readInteger("Quality", "Graph", 100); }), 100)
            << name;
        EXPECT_EQ(refusedInChild([&] { settings.writeString("Quality", "Graph", "5"); }), 0) << name;
        EXPECT_EQ(fs::status(path_).type(), type) << name;
        if (fs::is_regular_file(path_)) {
            EXPECT_EQ(contents(), oversized);
        }
        EXPECT_EQ(filesInFolder(), 1u) << name;
        fs::remove_all(path_);
    }
    EXPECT_EQ(SettingsFile(path_).readInteger("Quality", "Graph", 100), 100);
    put(oversized.substr(0, kSettingsSizeLimit)); // the largest file that is read
    EXPECT_EQ(SettingsFile(path_).readInteger("Quality", "Graph", 100), 37);
}

// A write that fails for want of space (here a file-size limit) is refused and leaves the old file.
TEST_F(SettingsFileTest, FailedWriteLeavesTheOldFile) {
    const std::string old = "[Limits]\nXMin=-5\n";
    put(old);
    EXPECT_EQ(refusedInChild([&] { SettingsFile(path_).writeString("Limits", "XMax", "123456789"); },
                             [&] { testing::LimitFileSize(old.size() + 4); }),
              0);
    EXPECT_EQ(contents(), old);
    EXPECT_EQ(filesInFolder(), 1u);
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
