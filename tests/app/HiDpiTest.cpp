// The main window on a screen scaled by 2: the picture has the device pixels of the plot area and is shown
// pixel for pixel, while the read-out, the marks and the exports keep to logical pixels.
#include "AppTestBench.h"
#include "ColorBox.h"
#include "DevicePixels.h"
#include "Navigation.h"

#include <QClipboard>

using orvex::testing::MainWindowBench;

namespace {

const orvex::TGraphEntry kGraph{"x^2/3-2", 0x000000FF, true, 100, 1};

} // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

  private slots:
    void pictureHasTheDevicePixels() {
        MainWindowBench bench;
        QCOMPARE(bench.image().devicePixelRatioF(), 2.0);
        QVERIFY(bench.form().document().append(kGraph, "x^2/3-2"));
        bench.apply();
        const QImage& shown = bench.image().picture();
        QCOMPARE(shown.size(), bench.image().size() * 2);
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(bench.form().view().shownSource().size, bench.image().size());

        QImage expected = orvex::MakePicture(bench.image().size(), 2);
        orvex::ViewTexts texts = bench.form().view().texts();
        QVERIFY(orvex::RenderPicture(expected, texts, bench.params().colB1()->selectedValue(),
                                     bench.params().colB2()->selectedValue(),
                                     bench.form().document().visibleGraphs()));
        QCOMPARE(shown, expected);

        // The plot area shows those very pixels, not an enlarged or blurred copy.
        const QImage screen = bench.image().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(screen.size(), shown.size());
        QImage pixels = shown;
        pixels.setDevicePixelRatio(1);
        QImage grabbed = screen;
        grabbed.setDevicePixelRatio(1);
        QCOMPARE(grabbed, pixels);

        // The read-out maps the cursor in logical pixels.
        const QSize size = bench.image().size();
        QCOMPARE(bench.form().view().readout({20, 20}),
                 QString::fromStdString(orvex::ReadoutText(20, 20, size.width(), size.height(), texts, '.')));
        QCOMPARE(bench.form().view().readout({20, 20}), QStringLiteral("(-5.00, 5.00)"));

        // Copying hands out all the pixels.
        bench.form().actions()["CopyToClipboard"]->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), shown.size());
    }

    // A mark placed at a logical pixel is drawn there, at the device's resolution.
    void marksStayInLogicalPixels() {
        MainWindowBench bench;
        orvex::PlotMarker ring;
        ring.at = QPoint(100, 80);
        ring.colour = Qt::red;
        bench.image().setMarkers(orvex::OverlayLayer::SpecialPoints, {ring});
        const QImage screen = bench.image().grab().toImage();
        int reddish = 0;
        for (int y = 140; y < 180; ++y)
            for (int x = 180; x < 220; ++x)
                reddish += qRed(screen.pixel(x, y)) > 200 && qGreen(screen.pixel(x, y)) < 100 ? 1 : 0;
        QVERIFY(reddish > 20);
        QCOMPARE(qGreen(screen.pixel(200, 160)), 255); // the ring's centre stays clear
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HiDpiTest.moc"
