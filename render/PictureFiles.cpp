#include "PictureFiles.h"

#include "SavedFile.h"

#include <QBuffer>
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

// Draws the picture on a painter that has begun on its device. Returns the reason it failed, if it did.
QString paintSource(QPainter& painter, const PictureSource& source) {
    QString failure;
    try {
        PaintPicture(painter, source.size, source.view, source.colours, source.curves, source.smooth);
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }
    if (!painter.end() && failure.isEmpty())
        failure = QString::fromUtf8("Ошибка записи рисунка");
    return failure;
}

QString writeSvg(QIODevice& out, const PictureSource& source) {
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(source.size);
    svg.setViewBox(QRect(QPoint(0, 0), source.size));
    svg.setResolution(kPixelsPerInch);
    svg.setTitle(QStringLiteral("Orvex"));
    QPainter painter;
    if (!painter.begin(&svg))
        return QString::fromUtf8("Ошибка записи рисунка");
    return paintSource(painter, source);
}

QString writePdf(QIODevice& out, const PictureSource& source) {
    QPdfWriter pdf(&out);
    pdf.setCreator(QStringLiteral("Orvex"));
    pdf.setResolution(kPixelsPerInch);
    const QSizeF points = QSizeF(source.size) * 72.0 / kPixelsPerInch;
    pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&pdf))
        return QString::fromUtf8("Ошибка записи рисунка");
    return paintSource(painter, source);
}

// A bitmap at more device pixels than logical ones claims as many more dots per inch, so that a viewer
// that honours them shows it at the size it had on the screen.
QString writeBitmap(QIODevice& out, const QImage& bitmap, const char* format) {
    QImage image = bitmap;
    if (const qreal ratio = bitmap.devicePixelRatio(); ratio != 1) {
        image.setDotsPerMeterX(qRound(bitmap.dotsPerMeterX() * ratio));
        image.setDotsPerMeterY(qRound(bitmap.dotsPerMeterY() * ratio));
    }
    return image.save(&out, format) ? QString() : QString::fromUtf8("Ошибка записи рисунка");
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
    // The whole file is made in memory first; then one checked write puts it on the disk, so that a disk
    // that fills up part way is noticed whatever the encoder does with a short write.
    SavedFile file(path);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const FormatInfo& info = infoOf(format);
    QString failure;
    if (info.qtName != nullptr)
        failure = writeBitmap(buffer, bitmap, info.qtName);
    else if (format == PictureFormat::Svg)
        failure = writeSvg(buffer, source);
    else
        failure = writePdf(buffer, source);
    if (!failure.isEmpty())
        file.fail(failure);
    file.write(buffer.data());
    file.commit();
}

} // namespace orvex
