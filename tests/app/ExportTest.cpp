// Handing the picture out: a BMP file, the clipboard, a printed page.
#include "AppTestBench.h"
#include "PictureExport.h"

#include <QClipboard>
#include <QPainter>
#include <QPrinter>

using orvex::PictureExport;

namespace {

// A picture with distinct corners, so a flipped or shifted copy shows.
QImage Picture() {
    QImage image(317, 211, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, 5, 5, Qt::red);
    QPainter(&image).fillRect(312, 206, 5, 5, Qt::blue);
    return image;
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private slots:
    void bitmap() {
        QTemporaryDir dir;
        for (const char* name : {"graph", "graph.bmp"}) // the second replaces the first, under its name
            QCOMPARE(PictureExport::saveBitmap(Picture(), dir.filePath(name)), dir.filePath("graph.bmp"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"graph.bmp"});
        QCOMPARE(QImage(dir.filePath("graph.bmp"), "BMP").convertToFormat(QImage::Format_RGB32), Picture());
    }

    void clipboardHoldsPicture() {
        PictureExport(nullptr).copyToClipboard(Picture());
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), Picture());
    }

    void printsOnePage() {
        QTemporaryDir dir;
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath("page.pdf"));
            PictureExport::printTo(printer, Picture());
        }
        const QByteArray pdf = orvex::testing::ReadAll(dir.filePath("page.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 1); // page objects, not the page tree
        QVERIFY(pdf.contains("/Subtype /Image"));                          // the picture is on the page
        QVERIFY(QGuiApplication::topLevelWindows().isEmpty());             // no window left behind
    }
};

QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
