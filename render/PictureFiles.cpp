#include "PictureFiles.h"

#include "SavedFile.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <array>

namespace orvex {

namespace {

// Pictures are measured in screen pixels of 1/96 inch.
constexpr int kPixelsPerInch = 96;

struct FormatInfo {
    PictureFormat format;
    const char* extension;
    const char* qtName; // for QImage::save; none for the vector formats
};

constexpr std::array<FormatInfo, 4> kFormats{{
    {PictureFormat::Bmp, ".bmp", "BMP"},
    {PictureFormat::Png, ".png", "PNG"},
    {PictureFormat::Svg, ".svg", nullptr},
    {PictureFormat::Pdf, ".pdf", nullptr},
}};

const FormatInfo& infoOf(PictureFormat format) {
    for (const FormatInfo& info : kFormats)
        if (info.format == format)
            return info;
    return kFormats[0];
}

// Draws the picture on a painter that has begun on its device; an error while drawing is the write's.
void paintSource(QPainter& painter, SavedFile& file, const PictureSource& source) {
    try {
        PaintPicture(painter, source.size, source.view, source.colours, source.curves);
    } catch (const std::exception& e) {
        painter.end();
        file.fail(QString::fromUtf8(e.what()));
    }
    if (!painter.end())
        file.fail();
}

void writeSvg(SavedFile& file, const PictureSource& source) {
    QSvgGenerator svg;
    svg.setOutputDevice(file.device());
    svg.setSize(source.size);
    svg.setViewBox(QRect(QPoint(0, 0), source.size));
    svg.setResolution(kPixelsPerInch);
    svg.setTitle(QStringLiteral("Orvex"));
    QPainter painter;
    if (!painter.begin(&svg))
        file.fail();
    paintSource(painter, file, source);
}

void writePdf(SavedFile& file, const PictureSource& source) {
    QPdfWriter pdf(file.device());
    pdf.setCreator(QStringLiteral("Orvex"));
    pdf.setResolution(kPixelsPerInch);
    const QSizeF points = QSizeF(source.size) * 72.0 / kPixelsPerInch;
    pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&pdf))
        file.fail();
    paintSource(painter, file, source);
}

} // namespace

std::optional<PictureFormat> PictureFormatOfName(const QString& name) {
    for (const FormatInfo& info : kFormats)
        if (name.endsWith(QLatin1String(info.extension), Qt::CaseInsensitive) &&
            name.size() > static_cast<qsizetype>(std::char_traits<char>::length(info.extension)))
            return info.format;
    return std::nullopt;
}

QString PictureExtension(PictureFormat format) {
    return QLatin1String(infoOf(format).extension);
}

void WritePicture(const QString& path, PictureFormat format, const QImage& bitmap,
                  const PictureSource& source) {
    SavedFile file(path);
    const FormatInfo& info = infoOf(format);
    if (info.qtName != nullptr) {
        if (!bitmap.save(file.device(), info.qtName))
            file.fail(QString::fromUtf8("Ошибка записи рисунка"));
    } else if (format == PictureFormat::Svg) {
        writeSvg(file, source);
    } else {
        writePdf(file, source);
    }
    file.commit();
}

} // namespace orvex
