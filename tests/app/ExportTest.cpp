// Handing the picture out: a picture file (BMP, PNG, SVG, PDF), the clipboard, a printed page.
#include "AppTestBench.h"
#include "PictureExport.h"
#include "core/ChildProcess.h"

#include <QClipboard>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cerrno>
#include <cstring>
#include <stdexcept>

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

// Saves with the BMP filter chosen, as the save dialog offers it first.
QString SaveBitmap(const QImage& image, const QString& path) {
    return PictureExport::savePictureFile(image, orvex::PictureSource{}, path, orvex::PictureFormat::Bmp);
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private slots:
    void bitmap() {
        QTemporaryDir dir;
        for (const char* name : {"graph", "graph.bmp"}) // the second replaces the first, under its name
            QCOMPARE(SaveBitmap(Picture(), dir.filePath(name)), dir.filePath("graph.bmp"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"graph.bmp"});
        QCOMPARE(QImage(dir.filePath("graph.bmp"), "BMP").convertToFormat(QImage::Format_RGB32), Picture());
    }

    // A picture that cannot be written whole (here past a file-size limit, as on a full disk, in a child
    // process) is reported with the system's reason and leaves the old file byte for byte. A small picture
    // stays in Qt's buffer until the end; a large one fails while it is written.
    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("small") << QSize(20, 20);
        QTest::newRow("large") << QSize(400, 300);
    }
    void failedSaveKeepsTheOldFile() {
        QFETCH(QSize, size);
        QTemporaryDir dir;
        const QString path = SaveBitmap(Picture(), dir.filePath("graph"));
        const QByteArray old = orvex::testing::ReadAll(path);
        const std::string expected = QStringLiteral("Cannot create file \"%1\". %2")
                                         .arg(path, QString::fromLocal8Bit(std::strerror(EFBIG)))
                                         .toStdString();
        const int code = orvex::testing::RunInChild([&] {
            orvex::testing::LimitFileSize(1000);
            try {
                (void)SaveBitmap(Picture().scaled(size), path);
                return 1;
            } catch (const std::runtime_error& e) {
                return e.what() == expected ? 0 : 2;
            }
        });
        QCOMPARE(code, 0);
        QCOMPARE(orvex::testing::ReadAll(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"graph.bmp"});
    }

    // The format follows the name's extension when it names one of the four, else the chosen filter. PNG
    // holds the same pixels as BMP; SVG and PDF draw the frame, grid, labels and curves again as vectors.
    void pictureFormats() {
        QTemporaryDir dir;
        QImage shown(300, 200, QImage::Format_RGB32);
        orvex::ViewTexts view;
        const std::vector<orvex::TGraphEntry> graphs{{"x", 0x000000FF, true, 100, 2},
                                                     {"-x", 0, false, 100, 1}};
        QVERIFY(orvex::RenderPicture(shown, view, 0x00C0C0C0, 0x00FFFFFF, graphs));
        const orvex::PictureSource source{shown.size(), view,
                                          orvex::ResolvePictureColours(0x00C0C0C0, 0x00FFFFFF),
                                          orvex::ResolveCurves(graphs)};
        using orvex::PictureFormat;
        const auto save = [&](const char* name, PictureFormat chosen) {
            return QFileInfo(PictureExport::savePictureFile(shown, source, dir.filePath(name), chosen))
                .fileName();
        };
        QCOMPARE(save("a", PictureFormat::Bmp), QStringLiteral("a.bmp"));
        QCOMPARE(save("a", PictureFormat::Png), QStringLiteral("a.png"));
        QCOMPARE(save("b.PNG", PictureFormat::Bmp), QStringLiteral("b.PNG")); // the extension decides
        QCOMPARE(save("c.svg", PictureFormat::Bmp), QStringLiteral("c.svg"));
        QCOMPARE(save("d", PictureFormat::Pdf), QStringLiteral("d.pdf"));
        QCOMPARE(save("e.txt", PictureFormat::Svg), QStringLiteral("e.txt.svg"));

        const QImage png(dir.filePath("a.png"), "PNG");
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32), shown);
        QCOMPARE(QImage(dir.filePath("a.bmp"), "BMP").convertToFormat(QImage::Format_RGB32), shown);

        QSvgRenderer svg(dir.filePath("c.svg"));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, 300, 200));
        const QByteArray svgText = orvex::testing::ReadAll(dir.filePath("c.svg"));
        QVERIFY(svgText.contains("<path") || svgText.contains("<polyline")); // the curves as paths
        QVERIFY(svgText.contains("#ff0000"));                                // the red one among them
        QVERIFY(svgText.contains(">-4<") && svgText.contains(">5<"));        // the labels as text
        QVERIFY(!svgText.contains("<image"));                                // not a bitmap

        const QByteArray pdf = orvex::testing::ReadAll(dir.filePath("d.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 1);
        // 300 x 200 pixels at 96 per inch, in points
        QVERIFY(QRegularExpression(R"(/MediaBox \[0 0 225(\.0+)? 150(\.0+)?\])").match(pdf).hasMatch());
        QVERIFY(!pdf.contains("/Subtype /Image"));
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
        QVERIFY(!pdf.contains("/DCTDecode")); // not as a JPEG, whose artefacts change the colours
        QVERIFY(QGuiApplication::topLevelWindows().isEmpty()); // no window left behind
    }
};

QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
