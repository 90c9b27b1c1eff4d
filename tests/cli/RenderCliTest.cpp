// orvex-cli render end to end: the BMP written for a document, the options, the errors.
#include "CliRunner.h"
#include "GraphEntry.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <fstream>

namespace {

// A graph drawn with lines, red by default: colour values are 0x00BBGGRR.
orvex::TGraphEntry Graph(const char* formula, int quality = 100, int width = 1, std::uint32_t colour = 0xFF) {
    return {formula, colour, true, quality, width};
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RenderCli : public testing::Test {
  protected:
    // Writes the document, runs the tool with the blank-separated options on it and loads the picture.
    int render(const QString& options, const std::string& document, const CliRun& run = {},
               bool keep = false) {
        std::ofstream(in_, std::ios::binary) << document;
        if (!keep)
            QFile::remove(out_);
        std::vector<std::string> args{"render"};
        for (const QString& option : options.split(' ', Qt::SkipEmptyParts))
            args.push_back(option.toStdString());
        args.insert(args.end(), {in_, out_.toStdString()});
        result_ = RunCli(args, run);
        // Only the bitmaps are loaded back (the vector formats would need a GUI application).
        const bool bitmap =
            out_.endsWith(".bmp", Qt::CaseInsensitive) || out_.endsWith(".png", Qt::CaseInsensitive);
        picture_ = bitmap ? QImage(out_) : QImage();
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
    EXPECT_EQ(result_.out, "");
    EXPECT_THAT(result_.err, testing::HasSubstr("error: Floating point overflow\n"));
    EXPECT_FALSE(QFile::exists(out_));
    // Only a regular file is read as a document: a FIFO or a device fails at once instead of blocking
    // or filling the memory.
    const QString fifo = dir_.filePath("fifo.orx");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    CliRun quick;
    quick.timeout = std::chrono::seconds(20);
    for (const auto& [document, reason] :
         {std::pair{std::string("/nonexistent/in.orx"), "No such file or directory"},
          {fifo.toStdString(), "Not a regular file"},
          {"/dev/zero", "Not a regular file"},
          {dir_.path().toStdString(), "Is a directory"}}) {
        const CliResult failed = RunCli({"render", "--", document, out_.toStdString()}, quick);
        EXPECT_EQ(failed.exitCode, 1) << document;
        EXPECT_EQ(failed.out, "");
        EXPECT_THAT(failed.err,
                    testing::HasSubstr("error: cannot read document '" + document + "': " + reason));
        EXPECT_FALSE(QFile::exists(out_));
    }
    for (const char* usage : {"--size 600", "--size 0x10", "--grid-colour C0C0C", "--limits 1 2 3",
                              "--decimal-separator . --limits 0 0,5 0 1", "--grid ten 10", "extra"}) {
        EXPECT_EQ(render(usage, ""), 2) << usage;
        EXPECT_FALSE(QFile::exists(out_));
    }
}

// OUT's extension names the format: PNG holds the BMP's pixels, SVG and PDF are vector pictures of the
// picture's size; any other extension is a usage error and writes nothing.
TEST_F(RenderCli, ExtensionChoosesTheFormat) {
    const std::string doc = orvex::EncodeDocument({Graph("x^2/5-2", 100, 2)});
    ASSERT_EQ(render("--size 320x240", doc), 0);
    const QImage bitmap = picture_;
    for (const char* name : {"out.png", "OUT.PNG"}) {
        out_ = dir_.filePath(name);
        ASSERT_EQ(render("--size 320x240", doc), 0) << name;
        EXPECT_EQ(picture_.convertToFormat(QImage::Format_RGB32),
                  bitmap.convertToFormat(QImage::Format_RGB32));
    }
    // The vector formats are checked in depth with the window's export; here: the format by extension.
    for (const auto& [name, start] : {std::pair{"out.svg", "<?xml"}, std::pair{"out.pdf", "%PDF"}}) {
        out_ = dir_.filePath(name);
        ASSERT_EQ(render("--size 320x240", doc), 0) << name;
        EXPECT_TRUE(ReadFile(out_).startsWith(start)) << name;
    }
    for (const char* name : {"out.gif", "out", "out.bmp.txt"}) {
        out_ = dir_.filePath(name);
        EXPECT_EQ(render("", doc), 2) << name;
        EXPECT_FALSE(QFile::exists(out_)) << name;
    }
}

// A picture that cannot be written whole (here past a file-size limit, as on a full disk) fails with the
// system's reason and leaves the old picture byte for byte, whether the new one is larger or smaller, in
// every format.
TEST_F(RenderCli, FailedWriteKeepsTheOldPicture) {
    std::vector<orvex::TGraphEntry> graphs;
    for (const char* formula : {"sin(x)*4", "x^2/3-2", "1/x", "tg(x)", "x^3/20", "cos(x*3)"})
        graphs.push_back(Graph(formula));
    const std::string doc = orvex::EncodeDocument(graphs);
    for (const char* name : {"out.bmp", "out.svg", "out.pdf"}) {
        out_ = dir_.filePath(name);
        ASSERT_EQ(render("--size 40x40", doc), 0) << name;
        const QByteArray old = ReadFile(out_);
        CliRun full;
        full.fileSizeLimit = 1000; // far below the size of any of these pictures
        for (const char* size : {"--size 30x30", "--size 600x400"}) {
            EXPECT_EQ(render(size, doc, full, true), 1) << name << " " << size;
            EXPECT_EQ(result_.out, "");
            EXPECT_THAT(result_.err, testing::HasSubstr("error: Cannot create file \"" + out_.toStdString() +
                                                        "\". File too large\n"));
            EXPECT_EQ(ReadFile(out_), old) << name << " " << size;
            EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), (QStringList{"in.orx", name}));
        }
        QFile::remove(out_);
    }
}

// A FIFO given as OUT is refused, not replaced by a regular file (nor written to, which would block).
TEST_F(RenderCli, OutputThatIsNoRegularFileIsRefused) {
    std::ofstream(in_, std::ios::binary) << orvex::EncodeDocument({Graph("x")});
    for (const char* name : {"pipe.png", "pipe.svg"}) {
        const QString fifo = dir_.filePath(name);
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        CliRun quick;
        quick.timeout = std::chrono::seconds(20);
        const CliResult failed = RunCli({"render", in_, fifo.toStdString()}, quick);
        EXPECT_EQ(failed.exitCode, 1) << name;
        EXPECT_THAT(failed.err, testing::HasSubstr("error: Cannot create file \"" + fifo.toStdString() +
                                                   "\". Not a regular file\n"));
        struct stat status {};
        EXPECT_TRUE(::stat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
    }
}

// --scale F gives F times the pixels with the geometry in logical pixels (SVG and PDF keep the logical
// size); --smooth draws antialiased.
TEST_F(RenderCli, ScaleAndSmoothing) {
    const std::string doc = orvex::EncodeDocument({Graph("x^2/5-2", 100, 2)});
    out_ = dir_.filePath("out.png");
    ASSERT_EQ(render("--size 300x200", doc), 0);
    const QImage plain = picture_;
    ASSERT_EQ(render("--size 300x200 --scale 1", doc), 0);
    EXPECT_EQ(picture_, plain);
    ASSERT_EQ(render("--decimal-separator . --size 300x200 --scale 1.5", doc), 0);
    EXPECT_EQ(picture_.size(), QSize(450, 300));
    ASSERT_EQ(render("--size 300x200 --scale 2", doc), 0);
    EXPECT_EQ(picture_.size(), QSize(600, 400));
    EXPECT_TRUE(at(33, 200) == 0xFFFFFFu && at(34, 200) == 0xC0C0C0u && at(37, 200) == 0xC0C0C0u); // frame
    const QImage scaled = picture_;
    ASSERT_EQ(render("--size 300x200 --scale 2 --smooth", doc), 0);
    EXPECT_EQ(picture_.size(), scaled.size());
    EXPECT_NE(picture_, scaled);
    out_ = dir_.filePath("out.svg");
    ASSERT_EQ(render("--size 300x200 --scale 3 --smooth", doc), 0);
    EXPECT_TRUE(ReadFile(out_).contains("viewBox=\"0 0 300 200\""));
    for (const char* usage : {"--scale 0.5", "--scale 5", "--scale two"})
        EXPECT_EQ(render(usage, doc), 2) << usage;
}

} // namespace
