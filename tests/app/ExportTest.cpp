// Handing the picture out: a picture file (BMP, PNG, SVG, PDF), the clipboard, a printed page.
#include "AppTestBench.h"
#include "DevicePixels.h"
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

// A picture as the redraw draws it, at `ratio`, with what it was drawn from.
struct DrawnPicture {
    QImage shown;
    orvex::PictureSource source;
};
DrawnPicture Drawn(QSize size, qreal ratio = 1) {
    DrawnPicture drawn{orvex::MakePicture(size, ratio), {}};
    orvex::ViewTexts view;
    const std::vector<orvex::TGraphEntry> graphs{
        {"x", 0x000000FF, true, 100, 2}, {"-x", 0, false, 100, 1}, {"sin(x)*4", 0x00FF0000, true, 100, 1}};
    [&] { QVERIFY(orvex::RenderPicture(drawn.shown, view, 0x00C0C0C0, 0x00FFFFFF, graphs)); }();
    drawn.source = {size, view, orvex::ResolvePictureColours(0x00C0C0C0, 0x00FFFFFF),
                    orvex::ResolveCurves(graphs)};
    return drawn;
}

QString Save(const DrawnPicture& drawn, const QString& path) {
    return PictureExport::savePictureFile(drawn.shown, drawn.source, path, orvex::PictureFormat::Bmp);
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
    // process) is reported with the system's reason and leaves the old file byte for byte, in every
    // format. A small bitmap stays in Qt's buffer until the end; a large one fails while it is written.
    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("name");
        QTest::newRow("small bitmap") << QSize(20, 20) << "graph.bmp";
        QTest::newRow("large bitmap") << QSize(400, 300) << "graph.bmp";
        QTest::newRow("png") << QSize(400, 300) << "graph.png";
        QTest::newRow("svg") << QSize(600, 400) << "graph.svg";
        QTest::newRow("pdf") << QSize(600, 400) << "graph.pdf";
    }
    void failedSaveKeepsTheOldFile() {
        QFETCH(QSize, size);
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = Save(Drawn({300, 200}), dir.filePath(name));
        const QByteArray old = orvex::testing::ReadAll(path);
        const std::string expected = QStringLiteral("Cannot create file \"%1\". %2")
                                         .arg(path, QString::fromLocal8Bit(std::strerror(EFBIG)))
                                         .toStdString();
        const int code = orvex::testing::RunInChild([&] {
            orvex::testing::LimitFileSize(1000);
            try {
                (void)Save(Drawn(size), path);
                return 1;
            } catch (const std::runtime_error& e) {
                return e.what() == expected ? 0 : 2;
            }
        });
        QCOMPARE(code, 0);
        QCOMPARE(orvex::testing::ReadAll(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
    }

    // On a screen scaled by 2 the shown picture has twice the pixels each way, and so have BMP and PNG
    // (claiming twice the dots per inch); SVG and PDF keep the logical size.
    void pictureFormats_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("screen at 1") << 1.0;
        QTest::newRow("screen at 2") << 2.0;
    }
    void pictureFormats() {
        QFETCH(qreal, ratio);
        QTemporaryDir dir;
        const DrawnPicture drawn = Drawn({300, 200}, ratio);
        const QImage& shown = drawn.shown;
        const orvex::PictureSource& source = drawn.source;
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
        const QImage bmp(dir.filePath("a.bmp"), "BMP");
        QCOMPARE(png.size(), QSize(300, 200) * ratio);
        QImage pixels = shown;
        pixels.setDevicePixelRatio(1);
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32), pixels);
        QCOMPARE(bmp.convertToFormat(QImage::Format_RGB32), png.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(bmp.dotsPerMeterX(), qRound(QImage(1, 1, QImage::Format_RGB32).dotsPerMeterX() * ratio));

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
        PictureExport(nullptr).copyToClipboard(Drawn({300, 200}, 2).shown); // all the pixels of a 2x screen
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(600, 400));
    }

    // A picture prints at screen size when that fits the printable area, else scaled down to fit it,
    // aspect kept; always at the top-left.
    void printedSize_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSizeF>("printable");
        QTest::addColumn<QSizeF>("printed");
        // 1200 printer dots per inch against 96 screen pixels: 12.5 dots per pixel; A4 with margins.
        const QSizeF a4(9449, 13323);
        QTest::newRow("fits") << QSize(600, 400) << a4 << QSizeF(7500, 5000);
        QTest::newRow("exactly") << QSize(756, 400) << QSizeF(9450, 13323) << QSizeF(9450, 5000);
        QTest::newRow("too wide") << QSize(1920, 1000) << a4 << QSizeF(9449, 9449 * 1000.0 / 1920);
        QTest::newRow("too tall") << QSize(400, 1600) << a4 << QSizeF(13323 * 400.0 / 1600, 13323);
        QTest::newRow("no printable area known") << QSize(1920, 1000) << QSizeF() << QSizeF(24000, 12500);
    }
    void printedSize() {
        QFETCH(QSize, picture);
        QFETCH(QSizeF, printable);
        QFETCH(QSizeF, printed);
        const QRectF rect = PictureExport::printedRect(picture, {1200, 1200}, {96, 96}, printable);
        QCOMPARE(rect.topLeft(), QPointF(0, 0));
        QCOMPARE(rect.size(), printed);
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
