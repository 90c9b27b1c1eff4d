// Handing the picture out: a BMP file, the clipboard, a printed page.
#include "PictureExport.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

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
    void bitmap_data() {
        QTest::addColumn<QString>("written");
        QTest::newRow("graph") << "graph.bmp";
        QTest::newRow("graph.bmp") << "graph.bmp";
        QTest::newRow("graph.BMP") << "graph.BMP";
        QTest::newRow("graph.png") << "graph.png.bmp";
    }
    void bitmap() {
        QFETCH(QString, written);
        QTemporaryDir dir;
        QFile(dir.filePath(written)).open(QIODevice::WriteOnly); // an old file is replaced
        QCOMPARE(PictureExport::saveBitmap(Picture(), dir.filePath(QTest::currentDataTag())),
                 dir.filePath(written));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
        QCOMPARE(QImage(dir.filePath(written), "BMP").convertToFormat(QImage::Format_RGB32), Picture());
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
        QFile file(dir.filePath("page.pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 1); // page objects, not the page tree
        QVERIFY(pdf.contains("/Subtype /Image"));                          // the picture is on the page
        QVERIFY(QGuiApplication::topLevelWindows().isEmpty());             // no window left behind
    }
};

QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
