// orvex-cli render end to end: the BMP written for a document, the options, the errors.
#include "CliRunner.h"
#include "GraphEntry.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <fstream>

namespace {

// A graph drawn with lines, red by default: colour values are 0x00BBGGRR.
orvex::TGraphEntry Graph(const char* formula, int quality = 100, int width = 1, std::uint32_t colour = 0xFF) {
    return {formula, colour, true, quality, width};
}

class RenderCli : public testing::Test {
  protected:
    // Writes the document, runs the tool with the blank-separated options on it and loads the picture.
    int render(const QString& options, const std::string& document) {
        std::ofstream(in_, std::ios::binary) << document;
        QFile::remove(out_);
        std::vector<std::string> args{"render"};
        for (const QString& option : options.split(' ', Qt::SkipEmptyParts))
            args.push_back(option.toStdString());
        args.insert(args.end(), {in_, out_.toStdString()});
        result_ = RunCli(args);
        picture_ = QImage(out_);
        return result_.exitCode;
    }
    [[nodiscard]] QRgb at(int x, int y) const { return picture_.pixel(x, y) & 0xFFFFFFu; }

    QTemporaryDir dir_;
    std::string in_ = dir_.filePath("in.orx").toStdString();
    QString out_ = dir_.filePath("out.bmp");
    CliResult result_;
    QImage picture_;
};

TEST_F(RenderCli, DefaultsAndOptionsGiveTheirPictures) {
    ASSERT_EQ(render("", orvex::EncodeDocument({Graph("0")})), 0);
    ASSERT_EQ(picture_.size(), QSize(600, 400));
    EXPECT_EQ(at(0, 0), 0xFFFFFFu);     // white background
    EXPECT_EQ(at(18, 18), 0xC0C0C0u);   // silver frame
    EXPECT_EQ(at(74, 100), 0xC0C0C0u);  // first vertical line
    EXPECT_EQ(at(100, 200), 0xFF0000u); // the graph y = 0 over the grid line
    const QString options =
        "--size 300x200 --limits 0 10 0 10 --grid 5 5 --grid-colour 0000FF --background FFFF00";
    ASSERT_EQ(render(options, ""), 0);
    ASSERT_EQ(picture_.size(), QSize(300, 200));
    EXPECT_EQ(at(0, 0), 0xFFFF00u);
    EXPECT_EQ(at(18, 18), 0x0000FFu);
    EXPECT_EQ(at(71, 100), 0x0000FFu); // x = 2: 18 + round(2 * 26.4)
    EXPECT_EQ(at(72, 100), 0xFFFF00u);
}

TEST_F(RenderCli, DocumentWithBadValuesDrawsWhatItCan) {
    // Quality 0, an unknown function, a system colour, a huge pen, and a trailing partial record.
    const std::string doc = orvex::EncodeDocument(
        {Graph("x", 0), Graph("foo(x)"), Graph("0", 100, 1, 0x80000008), Graph("-4", 100, 2000000000)});
    ASSERT_EQ(render("", doc + std::string(20, '\x7f')), 0);
    EXPECT_EQ(at(0, 0), 0xFF0000u); // the huge pen covers the picture
}

TEST_F(RenderCli, FailuresWriteNothing) {
    EXPECT_EQ(render("", orvex::EncodeDocument({Graph("10^(x*1000)")})), 1);
    EXPECT_EQ(result_.out, "error: Floating point overflow\n");
    EXPECT_FALSE(QFile::exists(out_));
    const CliResult missing = RunCli({"render", "/nonexistent/in.orx", out_.toStdString()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out.rfind("error: cannot read document", 0), 0u) << missing.out;
    for (const char* usage : {"--size 600", "--size 0x10", "--grid-colour C0C0C", "--limits 1 2 3",
                              "--decimal-separator . --limits 0 0,5 0 1", "--grid ten 10", "extra"}) {
        EXPECT_EQ(render(usage, ""), 2) << usage;
        EXPECT_FALSE(QFile::exists(out_));
    }
}

} // namespace
