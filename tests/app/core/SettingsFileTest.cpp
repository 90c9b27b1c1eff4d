#include "SettingsFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <stdexcept>

namespace orvex {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "orvex-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = dir_ / "orxsettings.ini";
    }
    void TearDown() override { fs::remove_all(dir_); }

    void put(const std::string& content) const { std::ofstream(path_, std::ios::binary) << content; }
    [[nodiscard]] std::string contents() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path dir_;
    fs::path path_;
};

// Well-formed and malformed lines side by side; the last line has no newline.
const std::string kMessyFile = std::string("; comment\n"
                                           "orphan=1\n"
                                           "[limits]\n"
                                           "  xmin =  -0,5  \n"
                                           "XMax=7\r\n"
                                           "no equals sign\n"
                                           "=no key\n"
                                           "Dup=first\n"
                                           "dup=second\n"
                                           "Long=") +
                               std::string(100000, 'z') +
                               "\n"
                               "[ Quality ]\n"
                               "Graph=0x1F\nHex=0X10\nShort=0x\nBadHex=0x1G\nFraction=1.5\nNeg= -12\n"
                               "Huge=0xFFFFFFFF\nTooBig=0x100000000\nWord=abc\nEmpty=\nBigDec=99999999999\n"
                               "[Binary]\nK=" +
                               std::string("\x00\xFF\x01", 3) +
                               "\n"
                               "[Last]\n"
                               "Tail=end";

struct StringCase {
    const char* section;
    const char* key;
    std::string expected;
};

void PrintTo(const StringCase& c, std::ostream* os) {
    *os << c.section << "." << c.key;
}

class SettingsReadString : public SettingsFileTest, public ::testing::WithParamInterface<StringCase> {};

TEST_P(SettingsReadString, FindsTheFirstMatchOrTheDefault) {
    put(kMessyFile);
    const StringCase c = GetParam();
    EXPECT_EQ(SettingsFile(path_).readString(c.section, c.key, "default"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsReadString,
    ::testing::Values(StringCase{"Limits", "XMin", "-0,5"}, StringCase{"LIMITS", "xmax", "7"},
                      StringCase{"Limits", "Dup", "first"},
                      StringCase{"Limits", "Long", std::string(100000, 'z')},
                      StringCase{"Limits", "Missing", "default"}, StringCase{"Nowhere", "XMin", "default"},
                      StringCase{"Limits", "orphan", "default"},
                      StringCase{"Limits", "no equals sign", "default"}, StringCase{"quality", "empty", ""},
                      StringCase{"Binary", "K", std::string("\x00\xFF\x01", 3)},
                      StringCase{"Last", "Tail", "end"}));

struct IntegerCase {
    const char* key;
    int expected;
};

void PrintTo(const IntegerCase& c, std::ostream* os) {
    *os << c.key;
}

class SettingsReadInteger : public SettingsFileTest, public ::testing::WithParamInterface<IntegerCase> {};

TEST_P(SettingsReadInteger, ReadsDecimalOrHexElseTheDefault) {
    put(kMessyFile);
    EXPECT_EQ(SettingsFile(path_).readInteger("Quality", GetParam().key, 100), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsReadInteger,
                         ::testing::Values(IntegerCase{"Graph", 31}, IntegerCase{"Hex", 16},
                                           IntegerCase{"Short", 100}, IntegerCase{"BadHex", 100},
                                           IntegerCase{"Fraction", 100}, IntegerCase{"Neg", -12},
                                           IntegerCase{"Huge", -1}, IntegerCase{"TooBig", 100},
                                           IntegerCase{"Word", 100}, IntegerCase{"Empty", 100},
                                           IntegerCase{"BigDec", 100}, IntegerCase{"Missing", 100}));

TEST_F(SettingsFileTest, MissingFileGivesDefaults) {
    const SettingsFile settings(path_);
    EXPECT_EQ(settings.readString(settings::kLimits, "XMin", "-5"), "-5");
    EXPECT_EQ(settings.readInteger(settings::kQuality, "Graph", 100), 100);
    EXPECT_FALSE(fs::exists(path_));
}

TEST_F(SettingsFileTest, WriteKeepsEveryOtherLine) {
    put("; settings\n[Limits]\nXMin=-5\n\n; grid\nVert=10\n\n[Custom]\nkeep=me\n[Limits]\nXMin=9\n");
    SettingsFile settings(path_);
    settings.writeString("limits", "xmin", "-0,5");
    settings.writeString("Limits", "Hor", "12");
    settings.writeInteger("Quality", "Graph", 37);
    EXPECT_EQ(contents(), "; settings\n[Limits]\nxmin=-0,5\n\n; grid\nVert=10\nHor=12\n\n[Custom]\nkeep=me\n"
                          "[Limits]\nXMin=9\n[Quality]\nGraph=37\n");
    EXPECT_EQ(settings.readString("Limits", "XMin", ""), "-0,5");
    EXPECT_EQ(settings.readInteger("Quality", "Graph", 100), 37);
}

TEST_F(SettingsFileTest, WriteKeepsWindowsLineEndsAndAddsAMissingNewline) {
    put("[A]\r\nx=1\r\ny=2");
    SettingsFile(path_).writeString("A", "x", "3");
    EXPECT_EQ(contents(), "[A]\r\nx=3\r\ny=2\n");
}

TEST_F(SettingsFileTest, EveryReadSeesTheFileAsItIsNow) {
    const SettingsFile reader(path_);
    SettingsFile writer(path_);
    writer.writeInteger("Quality", "Graph", -4);
    EXPECT_EQ(reader.readInteger("Quality", "Graph", 100), -4);
    put("[Quality]\nGraph=0x20\n");
    EXPECT_EQ(reader.readInteger("Quality", "Graph", 100), 32);
}

TEST_F(SettingsFileTest, WriteCreatesMissingFolders) {
    SettingsFile settings(dir_ / "a" / "b" / "orxsettings.ini");
    settings.writeString("Theme", "Name", "Stripes");
    EXPECT_EQ(settings.readString("Theme", "Name", "Default"), "Stripes");
}

TEST_F(SettingsFileTest, RefusedWriteNamesThePath) {
    put("not a folder");
    const fs::path inside = path_ / "orxsettings.ini";
    SettingsFile settings(inside);
    try {
        settings.writeString("Limits", "XMin", "1");
        FAIL() << "the write should have been refused";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + inside.string());
    }
    EXPECT_EQ(contents(), "not a folder");
}

TEST_F(SettingsFileTest, FailedReplaceLeavesNoTemporaryFile) {
    fs::create_directory(path_); // a folder where the file should be: the final rename fails
    SettingsFile settings(path_);
    EXPECT_THROW(settings.writeString("Limits", "XMin", "1"), std::runtime_error);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(SettingsFileTest, RejectsNamesAndValuesThatWouldBreakTheLine) {
    SettingsFile settings(path_);
    EXPECT_THROW(settings.writeString("Limits", "a=b", "1"), std::invalid_argument);
    EXPECT_THROW(settings.writeString("Lim]its", "a", "1"), std::invalid_argument);
    EXPECT_THROW(settings.writeString("Limits", "", "1"), std::invalid_argument);
    EXPECT_THROW(settings.writeString("Limits", "a", "1\n[X]"), std::invalid_argument);
    EXPECT_FALSE(fs::exists(path_));
}

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        ::setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DefaultSettingsPath, FollowsXdgConfigHome) {
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/orvex-config");
        EXPECT_EQ(DefaultSettingsPath(), fs::path("/tmp/orvex-config/orvex/orxsettings.ini"));
    }
    const ScopedEnv home("HOME", "/home/someone");
    for (const char* unusable : {"", "relative/dir"}) {
        const ScopedEnv xdg("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(DefaultSettingsPath(), fs::path("/home/someone/.config/orvex/orxsettings.ini"));
    }
}

} // namespace
} // namespace orvex
