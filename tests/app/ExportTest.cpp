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

#include <stdexcept>

using orvex::PictureExport;

namespace {

// A picture with distinct corners, so a flipped or shifted copy shows.
QImage samplePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(0, 0, 5, 5, Qt::red);
    painter.fillRect(width - 5, height - 5, 5, 5, Qt::blue);
    painter.drawLine(0, height - 1, width - 1, 0);
    return image;
}

int countPdfPages(const QByteArray& pdf) {
    // Page objects are "/Type /Page"; the page tree is "/Type /Pages".
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
        if (pdf.mid(at + 11, 1) != "s")
            ++pages;
    return pages;
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private slots:
    void bitmapName_data();
    void bitmapName();
    void bitmapHasPictureSize();
    void bitmapFailureIsReported();
    void clipboardHoldsPicture();
    void printedAtScreenSize_data();
    void printedAtScreenSize();
    void printsOnePage();
};

void ExportTest::bitmapName_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("bare name") << "graph"
                               << "graph.bmp";
    QTest::newRow("with extension") << "graph.bmp"
                                    << "graph.bmp";
    QTest::newRow("other case") << "graph.BMP"
                                << "graph.BMP";
    QTest::newRow("other extension") << "graph.png"
                                     << "graph.png.bmp";
}

void ExportTest::bitmapName() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir dir;
    const QString name = PictureExport::saveBitmap(samplePicture(20, 10), dir.filePath(chosen));
    QCOMPARE(name, dir.filePath(written));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
}

void ExportTest::bitmapHasPictureSize() {
    QTemporaryDir dir;
    const QImage picture = samplePicture(317, 211);
    const QString name = PictureExport::saveBitmap(picture, dir.filePath("plot"));
    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM")); // a Windows bitmap, whatever the name says
    file.close();
    QImage read(name, "BMP");
    QCOMPARE(read.size(), picture.size());
    QCOMPARE(read.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(read.pixelColor(316, 210), QColor(Qt::blue));
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), picture);

    // Saving again replaces the file.
    PictureExport::saveBitmap(samplePicture(40, 30), name);
    QCOMPARE(QImage(name, "BMP").size(), QSize(40, 30));
}

void ExportTest::bitmapFailureIsReported() {
    QTemporaryDir dir;
    const QString path = dir.filePath("missing/graph");
    try {
        PictureExport::saveBitmap(samplePicture(10, 10), path);
        QFAIL("no error");
    } catch (const std::runtime_error& e) {
        const QString message = QString::fromUtf8(e.what());
        const QString start = QStringLiteral("Cannot create file \"%1.bmp\". ").arg(path);
        QVERIFY2(message.startsWith(start) && message.size() > start.size(), e.what());
    }
}

void ExportTest::clipboardHoldsPicture() {
    const QImage picture = samplePicture(64, 48);
    PictureExport exporter(nullptr);
    exporter.copyToClipboard(picture);
    const QImage held = QGuiApplication::clipboard()->image();
    QCOMPARE(held.size(), picture.size());
    QCOMPARE(held.convertToFormat(QImage::Format_RGB32), picture);
}

void ExportTest::printedAtScreenSize_data() {
    QTest::addColumn<QSizeF>("printerDpi");
    QTest::addColumn<QSizeF>("screenDpi");
    QTest::addColumn<QRectF>("expected");
    QTest::newRow("same resolution") << QSizeF(96, 96) << QSizeF(96, 96) << QRectF(0, 0, 300, 200);
    QTest::newRow("600 dpi printer") << QSizeF(600, 600) << QSizeF(96, 96) << QRectF(0, 0, 1875, 1250);
    QTest::newRow("each axis apart") << QSizeF(300, 600) << QSizeF(100, 120) << QRectF(0, 0, 900, 1000);
}

void ExportTest::printedAtScreenSize() {
    QFETCH(QSizeF, printerDpi);
    QFETCH(QSizeF, screenDpi);
    QFETCH(QRectF, expected);
    QCOMPARE(PictureExport::printedRect(QSize(300, 200), printerDpi, screenDpi), expected);
}

void ExportTest::printsOnePage() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        PictureExport::printTo(printer, samplePicture(800, 600));
    }
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(countPdfPages(bytes), 1);
    QVERIFY(bytes.contains("/Subtype /Image"));            // the picture is on the page
    QVERIFY(QGuiApplication::topLevelWindows().isEmpty()); // no window left behind
}

QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
