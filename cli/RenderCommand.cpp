// orvex-cli render: draws every graph of a document file over the grid, as the main window's redraw
// would, and writes the picture in the format its name's extension names: BMP, PNG, SVG or PDF. --scale F
// gives a BMP or PNG F times the pixels with the same geometry in logical pixels, as a screen scaled by F
// shows it; --smooth draws the curves and the grid antialiased.
#include "CliCommand.h"
#include "DevicePixels.h"
#include "DocumentReader.h"
#include "GraphEntry.h"
#include "NumberText.h"
#include "PictureFiles.h"
#include "Renderer.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace orvex::cli {

namespace {

constexpr int kMaxSide = 32767;

constexpr double kMaxScale = 4;

struct RenderOptions {
    int width = 600;
    int height = 400;
    double scale = 1;
    bool smooth = false;
    ViewTexts view;
    std::uint32_t gridColour = 0x00C0C0C0;       // silver
    std::uint32_t backgroundColour = 0x00FFFFFF; // white
};

bool ReadSide(std::string_view text, int& side) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), side);
    return ec == std::errc() && end == text.data() + text.size() && side >= 1 && side <= kMaxSide;
}

void ReadSize(const std::string& text, RenderOptions& options) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos || !ReadSide(std::string_view(text).substr(0, x), options.width) ||
        !ReadSide(std::string_view(text).substr(x + 1), options.height))
        throw UsageError("--size takes WxH, each from 1 to " + std::to_string(kMaxSide));
}

// RRGGBB as written in style sheets, turned into the 0x00BBGGRR colour value.
std::uint32_t ReadColour(const std::string& name, const std::string& text) {
    std::uint32_t rgb = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), rgb, 16);
    if (text.size() != 6 || ec != std::errc() || end != text.data() + text.size())
        throw UsageError(name + " takes six hexadecimal digits RRGGBB");
    return (rgb >> 16 & 0xFFu) | (rgb & 0xFF00u) | (rgb & 0xFFu) << 16;
}

double ReadScale(const std::string& text) {
    const std::optional<long double> scale = ReadNumber(text);
    if (!scale || !(*scale >= 1 && *scale <= kMaxScale))
        throw UsageError("--scale takes a number from 1 to 4");
    return static_cast<double>(*scale);
}

RenderOptions ReadOptions(CommandArgs& args) {
    RenderOptions options;
    std::string value;
    std::vector<std::string> values;
    if (TakeOption(args, "--size", value))
        ReadSize(value, options);
    if (TakeOption(args, "--scale", value))
        options.scale = ReadScale(value);
    options.smooth = TakeOptionList(args, "--smooth", 0, values);
    if (TakeOptionList(args, "--limits", 4, values)) {
        for (const std::string& limit : values)
            if (!ReadNumber(limit))
                throw UsageError("limit '" + limit + "' is not a number");
        options.view.xmin = values[0];
        options.view.xmax = values[1];
        options.view.ymin = values[2];
        options.view.ymax = values[3];
    }
    if (TakeOptionList(args, "--grid", 2, values)) {
        for (const std::string& count : values)
            if (!count.empty() && !ReadInteger(count))
                throw UsageError("grid line count '" + count + "' is not an integer");
        options.view.vert = values[0];
        options.view.hor = values[1];
    }
    if (TakeOption(args, "--grid-colour", value))
        options.gridColour = ReadColour("--grid-colour", value);
    if (TakeOption(args, "--background", value))
        options.backgroundColour = ReadColour("--background", value);
    return options;
}

// Reads only what can be drawn (the first 101 records) and only from a regular file, so a FIFO or a
// device given as the document fails at once instead of blocking or filling the memory.
std::vector<TGraphEntry> ReadDocument(const std::string& path) {
    DocumentRead read = ReadDocumentRecords(path);
    if (!read.read())
        throw std::runtime_error("cannot read document '" + path + "': " + read.error);
    if (read.document.droppedRecords > 0)
        std::fprintf(stderr, "warning: %zu graphs past the first %zu were not drawn\n",
                     read.document.droppedRecords, kGraphCapacity);
    return std::move(read.document.entries);
}

int RunRender(CommandArgs& args) {
    TakeDecimalSeparator(args);
    RenderOptions options = ReadOptions(args);
    if (args.size() != 2)
        throw UsageError("expected DOCUMENT OUT");
    const QString out = QFile::decodeName(args[1].c_str());
    const std::optional<PictureFormat> format = PictureFormatOfName(out);
    if (!format)
        throw UsageError("OUT must end in .bmp, .png, .svg or .pdf");
    const std::vector<TGraphEntry> graphs = ReadDocument(args[0]);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvex-cli";
    static char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv); // text drawing needs one; the offscreen platform serves

    // The vector formats are drawn at the logical size whatever the scale.
    const QSize size(options.width, options.height);
    const bool vector = *format == PictureFormat::Svg || *format == PictureFormat::Pdf;
    QImage image = MakePicture(size, vector ? 1 : options.scale);
    if (image.isNull())
        throw std::runtime_error("cannot make a picture of " + std::to_string(options.width) + "x" +
                                 std::to_string(options.height) + " pixels at scale " +
                                 NumberText(options.scale, 15));
    if (!RenderPicture(image, options.view, options.gridColour, options.backgroundColour, graphs,
                       options.smooth))
        throw std::runtime_error("the limits do not fit in the double range");
    // Replaces OUT only once the whole picture is on the disk; a failure leaves an existing file as it was.
    const PictureSource source{size, options.view,
                               ResolvePictureColours(options.gridColour, options.backgroundColour),
                               ResolveCurves(graphs), options.smooth};
    WritePicture(out, *format, image, source);
    return 0;
}

const CommandRegistrar registrar({"render",
                                  "render [--size WxH] [--scale F] [--smooth] [--limits XMIN XMAX YMIN YMAX]"
                                  " [--grid NV NH] [--grid-colour RRGGBB] [--background RRGGBB]"
                                  " [--decimal-separator C] DOCUMENT OUT.bmp|.png|.svg|.pdf",
                                  &RunRender});

} // namespace

} // namespace orvex::cli
