#include "PictureExport.h"

#include "DevicePixels.h"
#include "SavedFile.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include <algorithm>
#include <stdexcept>

namespace orvex {

namespace {

constexpr qreal kFallbackScreenDpi = 96;

// The save dialog's filters, BMP first.
struct PictureFilter {
    const char* text;
    PictureFormat format;
};
constexpr PictureFilter kPictureFilters[] = {
    {"Файлы рисунков (*.bmp)", PictureFormat::Bmp},
    {"Рисунки PNG (*.png)", PictureFormat::Png},
    {"Векторные рисунки SVG (*.svg)", PictureFormat::Svg},
    {"Документы PDF (*.pdf)", PictureFormat::Pdf},
};

[[noreturn]] void fail(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

QSizeF screenDpi() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
    return {kFallbackScreenDpi, kFallbackScreenDpi};
}

} // namespace

PictureExport::PictureExport(QWidget* dialogParent) : dialogParent_(dialogParent) {}

void PictureExport::savePicture(const QImage& shown, const PictureSource& source) {
    QStringList filters;
    for (const PictureFilter& filter : kPictureFilters)
        filters << QString::fromUtf8(filter.text);
    QFileDialog dialog(dialogParent_, QString::fromUtf8("Сохранить как рисунок"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.constFirst());
    // A name typed without an extension gets the chosen format's one, before the overwrite question.
    const auto suffixFor = [&filters](const QString& filter) {
        const qsizetype index = filters.indexOf(filter);
        return PictureExtension(kPictureFilters[index < 0 ? 0 : static_cast<std::size_t>(index)].format)
            .mid(1);
    };
    dialog.setDefaultSuffix(suffixFor(filters.constFirst()));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, &suffixFor](const QString& filter) { dialog.setDefaultSuffix(suffixFor(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
    (void)savePictureFile(shown, source, dialog.selectedFiles().constFirst(),
                          kPictureFilters[chosen < 0 ? 0 : static_cast<std::size_t>(chosen)].format);
}

QString PictureExport::savePictureFile(const QImage& shown, const PictureSource& source, const QString& path,
                                       PictureFormat chosen) {
    const std::optional<PictureFormat> named = PictureFormatOfName(path);
    const PictureFormat format = named.value_or(chosen);
    const QString name = named ? path : path + PictureExtension(chosen);
    // A vector picture is drawn again from what the shown one was drawn from; before any complete
    // redraw there is only the bitmap, which then goes into the file as it is.
    PictureSource vector = source;
    if (vector.size != LogicalSize(shown))
        vector = PictureSource{};
    if ((format == PictureFormat::Svg || format == PictureFormat::Pdf) && vector.size.isEmpty())
        throw std::runtime_error(
            CannotCreateFileMessage(name, QString::fromUtf8("Рисунок ещё не построен")).toStdString());
    WritePicture(name, format, shown, vector);
    return name;
}

void PictureExport::copyToClipboard(const QImage& shown) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        fail(QStringLiteral("Cannot open clipboard"));
    clipboard->setImage(shown);
}

void PictureExport::print(const QImage& plotBitmap) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, dialogParent_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printTo(printer, plotBitmap);
}

QRectF PictureExport::printedRect(const QSize& picture, const QSizeF& printerDpi, const QSizeF& screenDpi,
                                  const QSizeF& printable) {
    const qreal sx = screenDpi.width() > 0 ? printerDpi.width() / screenDpi.width() : 1;
    const qreal sy = screenDpi.height() > 0 ? printerDpi.height() / screenDpi.height() : 1;
    const QSizeF screenSize(picture.width() * sx, picture.height() * sy);
    if (screenSize.isEmpty() || printable.isEmpty() ||
        (screenSize.width() <= printable.width() && screenSize.height() <= printable.height()))
        return {QPointF(0, 0), screenSize};
    const qreal fit =
        std::min(printable.width() / screenSize.width(), printable.height() / screenSize.height());
    return {QPointF(0, 0), screenSize * fit};
}

void PictureExport::printTo(QPrinter& printer, const QImage& plotBitmap) {
    // One job, one page; the painter's origin is the top-left of the printable area.
    QPainter painter;
    if (!painter.begin(&printer))
        fail(QString::fromUtf8("Не удалось начать печать"));
    const QRectF target =
        printedRect(LogicalSize(plotBitmap), QSizeF(printer.logicalDpiX(), printer.logicalDpiY()),
                    screenDpi(), QSizeF(printer.width(), printer.height()));
    // The picture's own pixels, all of them (a scaled screen's picture has more than its logical size),
    // go to the page; scaled down to fit, they are sampled without blurring.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Without this the PDF and print engines store the picture as JPEG, whose artefacts change the
    // colours of thin lines and single points.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(target, plotBitmap);
    painter.end();
}

} // namespace orvex
