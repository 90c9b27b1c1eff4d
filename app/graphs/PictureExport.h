#pragma once

#include "PictureFiles.h"

#include <QImage>
#include <QRectF>
#include <QString>

class QPrinter;
class QWidget;

namespace orvex {

// Hands the picture out: a picture file (BMP, as well as PNG, SVG and PDF), the clipboard, a printed page.
// None of them redraws first.
// Failures throw std::runtime_error with the user-facing message ("Cannot create file "%s". %s",
// "Cannot open clipboard"), which the main window's error report shows.
class PictureExport {
  public:
    explicit PictureExport(QWidget* dialogParent);

    // "Сохранить как рисунок": the file dialog (BMP is the first and default filter), then savePictureFile.
    void savePicture(const QImage& shown, const PictureSource& source);
    void copyToClipboard(const QImage& shown);
    void print(const QImage& plotBitmap); // "Печать": print dialog, then printTo

    // Writes the picture in the format the name's extension names when it is one of the four, otherwise
    // in `chosen` (the dialog's filter) with its extension appended. Returns the name written. BMP and PNG
    // hold the shown picture's device pixels (on a screen scaled by 2, twice the plot area's size each
    // way); SVG and PDF draw `source` again at the plot area's size in logical pixels.
    static QString savePictureFile(const QImage& shown, const PictureSource& source, const QString& path,
                                   PictureFormat chosen);
    // Prints the picture at the top-left of one page: at screen size, or smaller when that does not fit.
    static void printTo(QPrinter& printer, const QImage& plotBitmap);
    // Where printTo puts a picture of `picture` logical pixels: at the origin of the printable area, at
    // screen size (scaled by printer DPI / screen DPI on each axis) when that fits in `printable` (in
    // printer pixels), otherwise scaled down to fit, its aspect kept.
    [[nodiscard]] static QRectF printedRect(const QSize& picture, const QSizeF& printerDpi,
                                            const QSizeF& screenDpi, const QSizeF& printable);

  private:
    QWidget* dialogParent_;
};

} // namespace orvex
