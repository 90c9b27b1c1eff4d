// orvex-cli render end to end: the BMP written for a document, the options, the errors.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// One 68-byte graph record of a document file.
std::string Record(const std::string& formula, std::uint32_t colour, bool lines, std::int32_t quality,
                   std::int32_t width) {
    std::string r(68, '\0');
    r[0] = static_cast<char>(formula.size());
    r.replace(1, formula.size(), formula);
    const auto put = [&r](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            r[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i) & 0xFF);
    };
    put(52, colour);
    r[56] = lines ? 1 : 0;
    put(60, static_cast<std::uint32_t>(quality));
    put(64, static_cast<std::uint32_t>(width));
    return r;
}

// A decoded 24- or 32-bit BMP file; pixels as 0xRRGGBB.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    [[nodiscard]] std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

std::uint32_t Le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

Bitmap ReadBmp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Bitmap bmp;
    if (b.size() < 54 || b.compare(0, 2, "BM") != 0)
        return bmp;
    const std::uint32_t offset = Le(b, 10, 4);
    const auto height = static_cast<std::int32_t>(Le(b, 22, 4));
    const int bytesPerPixel = static_cast<int>(Le(b, 28, 2)) / 8;
    bmp.width = static_cast<int>(Le(b, 18, 4));
    bmp.height = std::abs(height);
    const std::size_t stride = (static_cast<std::size_t>(bmp.width * bytesPerPixel) + 3) / 4 * 4;
    if ((bytesPerPixel != 3 && bytesPerPixel != 4) ||
        b.size() < offset + stride * static_cast<std::size_t>(bmp.height))
        return Bitmap{};
    for (int y = 0; y < bmp.height; ++y) {
        const std::size_t row =
            offset + stride * static_cast<std::size_t>(height > 0 ? bmp.height - 1 - y : y);
        for (int x = 0; x < bmp.width; ++x)
            bmp.pixels.push_back(Le(b, row + static_cast<std::size_t>(x * bytesPerPixel), 3));
    }
    return bmp;
}

class RenderCli : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "orvex-render-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        out_ = dir_ / "out.bmp";
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path document(const std::string& bytes) {
        const fs::path path = dir_ / "graphs.orx";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    CliResult render(std::vector<std::string> options, const fs::path& doc) {
        std::vector<std::string> args{"render"};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(doc.string());
        args.push_back(out_.string());
        return RunCli(args);
    }

    fs::path dir_;
    fs::path out_;
};

constexpr std::uint32_t kRed = 0x000000FF; // colour value 0x00BBGGRR

TEST_F(RenderCli, DefaultsGiveTheExamplePicture) {
    const CliResult result = render({}, document(Record("0", kRed, true, 100, 1)));
    ASSERT_EQ(result.exitCode, 0) << result.out;
    const Bitmap bmp = ReadBmp(out_);
    ASSERT_EQ(bmp.width, 600);
    ASSERT_EQ(bmp.height, 400);
    EXPECT_EQ(bmp.at(0, 0), 0xFFFFFFu);     // white background
    EXPECT_EQ(bmp.at(18, 18), 0xC0C0C0u);   // silver frame
    EXPECT_EQ(bmp.at(74, 100), 0xC0C0C0u);  // first vertical line
    EXPECT_EQ(bmp.at(100, 200), 0xFF0000u); // the graph y = 0 over the grid line
}

TEST_F(RenderCli, OptionsSetSizeLimitsGridAndColours) {
    const CliResult result = render({"--size", "300x200", "--limits", "0", "10", "0", "10", "--grid", "5",
                                     "5", "--grid-colour", "0000FF", "--background", "FFFF00"},
                                    document(""));
    ASSERT_EQ(result.exitCode, 0) << result.out;
    const Bitmap bmp = ReadBmp(out_);
    ASSERT_EQ(bmp.width, 300);
    ASSERT_EQ(bmp.height, 200);
    EXPECT_EQ(bmp.at(0, 0), 0xFFFF00u);
    EXPECT_EQ(bmp.at(18, 18), 0x0000FFu);
    EXPECT_EQ(bmp.at(71, 100), 0x0000FFu); // x = 2: 18 + round(2 * 26.4)
    EXPECT_EQ(bmp.at(72, 100), 0xFFFF00u);
}

TEST_F(RenderCli, LimitsAreReadWithTheSeparatorAndRepaired) {
    // x 0..0.5 is repaired to 0..1: y = x runs from corner to corner (unrepaired it would end half-way up).
    const fs::path doc = document(Record("x", kRed, true, 200, 1));
    const CliResult result =
        render({"--decimal-separator", ",", "--limits", "0", "0,5", "0", "1", "--grid", "1", "1"}, doc);
    ASSERT_EQ(result.exitCode, 0) << result.out;
    const Bitmap bmp = ReadBmp(out_);
    ASSERT_EQ(bmp.width, 600);
    EXPECT_EQ(bmp.at(300, 200), 0xFF0000u); // (0.5, 0.5) in the middle
    int top = -1;
    for (int y = 399; y >= 0; --y)
        top = bmp.at(560, y) == 0xFF0000u ? y : top;
    EXPECT_NEAR(top, 32, 2); // x = 0.96
    fs::remove(out_);
    EXPECT_EQ(render({"--decimal-separator", ".", "--limits", "0", "0,5", "0", "1"}, doc).exitCode, 2);
    EXPECT_FALSE(fs::exists(out_));
}

TEST_F(RenderCli, DocumentWithBadValuesDrawsWhatItCan) {
    // Quality 0, an unknown function, a huge pen, a system colour, and a trailing partial record.
    const std::string doc = Record("x", kRed, true, 0, 1) + Record("foo(x)", kRed, true, 100, 1) +
                            Record("0", 0x80000008, true, 100, 1) +
                            Record("-4", kRed, true, 100, 2000000000) + std::string(20, '\x7f');
    const CliResult result = render({}, document(doc));
    ASSERT_EQ(result.exitCode, 0) << result.out;
    const Bitmap bmp = ReadBmp(out_);
    ASSERT_EQ(bmp.width, 600);
    EXPECT_EQ(bmp.at(0, 0), 0xFF0000u); // the huge pen covers the picture
}

TEST_F(RenderCli, ArithmeticErrorWritesNothing) {
    const CliResult result = render({}, document(Record("10^(x*1000)", kRed, true, 100, 1)));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "error: Floating point overflow\n");
    EXPECT_FALSE(fs::exists(out_));
}

TEST_F(RenderCli, UnreadableDocumentIsAnError) {
    const CliResult result = render({}, dir_ / "missing.orx");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.rfind("error: cannot read document", 0), 0u) << result.out;
    EXPECT_FALSE(fs::exists(out_));
}

TEST_F(RenderCli, BadArgumentsAreUsageErrors) {
    const fs::path doc = document("");
    for (const std::vector<std::string>& options : {std::vector<std::string>{"--size", "600"},
                                                    {"--size", "0x10"},
                                                    {"--size", "x400"},
                                                    {"--grid-colour", "C0C0C"},
                                                    {"--background", "GGGGGG"},
                                                    {"--limits", "1", "2", "3"},
                                                    {"--grid", "ten", "10"},
                                                    {"--decimal-separator", "ab"},
                                                    {"extra"}}) {
        EXPECT_EQ(render(options, doc).exitCode, 2) << options[0];
        EXPECT_FALSE(fs::exists(out_));
    }
}

} // namespace
