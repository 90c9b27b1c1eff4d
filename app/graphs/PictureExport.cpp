#include "PictureExport.h"

#include "DocumentFile.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>

#include <stdexcept>

namespace orvex {

namespace {

constexpr qreal kFallbackScreenDpi = 96;

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

void PictureExport::savePicture(const QImage& shown) {
    QFileDialog dialog(dialogParent_, QString::fromUtf8("Сохранить как рисунок"), QString(),
                       QString::fromUtf8("Файлы рисунков (*.bmp)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    (void)saveBitmap(shown, dialog.selectedFiles().constFirst());
}

QString PictureExport::saveBitmap(const QImage& image, const QString& path) {
    const QString name = WithExtension(path, QStringLiteral(".bmp"));
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        fail(CannotCreateFileMessage(name, file.errorString()));
    if (!image.save(&file, "BMP")) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QString::fromUtf8("Ошибка записи рисунка");
        file.cancelWriting();
        fail(CannotCreateFileMessage(name, reason));
    }
    if (!file.commit())
        fail(CannotCreateFileMessage(name, file.errorString()));
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

QRectF PictureExport::printedRect(const QSize& picture, const QSizeF& printerDpi, const QSizeF& screenDpi) {
    const qreal sx = screenDpi.width() > 0 ? printerDpi.width() / screenDpi.width() : 1;
    const qreal sy = screenDpi.height() > 0 ? printerDpi.height() / screenDpi.height() : 1;
    return {0, 0, picture.width() * sx, picture.height() * sy};
}

void PictureExport::printTo(QPrinter& printer, const QImage& plotBitmap) {
    // One job, one page; the painter's origin is the top-left of the printable area.
    QPainter painter;
    if (!painter.begin(&printer))
        fail(QString::fromUtf8("Не удалось начать печать"));
    const QRectF target =
        printedRect(plotBitmap.size(), QSizeF(printer.logicalDpiX(), printer.logicalDpiY()), screenDpi());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, plotBitmap);
    painter.end();
}

} // namespace orvex
