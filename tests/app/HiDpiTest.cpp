// The main window on a screen scaled by 2: the picture has the device pixels of the plot area and is shown
// pixel for pixel, while the read-out and what the picture was drawn from keep to logical pixels; and the
// command "Сглаживание", off by default, smooths the picture and is remembered for the next start.
#include "AppTestBench.h"
#include "ColorBox.h"
#include "DevicePixels.h"
#include "SettingsFile.h"

using orvex::testing::MainWindowBench;

namespace {

const orvex::TGraphEntry kGraph{"x^2/3-2", 0x000000FF, true, 100, 1};

// The picture the command-line tool draws for the window's inputs at ratio 2, plain or smoothed.
QImage Expected(const MainWindowBench& bench, bool smooth = false) {
    QImage expected = orvex::MakePicture(bench.image().size(), 2);
    orvex::ViewTexts texts = bench.form().view().texts();
    [&] {
        QVERIFY(orvex::RenderPicture(expected, texts, bench.params().colB1()->selectedValue(),
                                     bench.params().colB2()->selectedValue(),
                                     bench.form().document().visibleGraphs(), smooth));
    }();
    return expected;
}

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

        QCOMPARE(shown, Expected(bench));

        // The plot area shows those very pixels, not an enlarged or blurred copy.
        QImage screen = bench.image().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage pixels = shown;
        screen.setDevicePixelRatio(1);
        pixels.setDevicePixelRatio(1);
        QCOMPARE(screen, pixels);

        // The read-out maps the cursor in logical pixels.
        QCOMPARE(bench.form().view().readout({20, 20}), QStringLiteral("(-5.00, 5.00)"));
    }

    void smoothingIsDrawnAndRemembered() {
        QByteArray settings;
        {
            MainWindowBench bench;
            QAction* smoothing = bench.form().actions()["Smoothing"];
            QVERIFY(smoothing->isCheckable() && !smoothing->isChecked());
            QVERIFY(bench.form().document().append(kGraph, "x^2/3-2"));
            smoothing->trigger();
            bench.waitForPicture();
            QCOMPARE(bench.image().picture(), Expected(bench, true));
            settings = orvex::testing::ReadAll(QString::fromStdString(bench.form().settings().path()));
        }
        QCOMPARE(settings, QByteArray("[Smoothing]\nEnabled=1\n"));
        MainWindowBench bench(settings); // the next start draws smoothed at once
        QAction* smoothing = bench.form().actions()["Smoothing"];
        QVERIFY(smoothing->isChecked() && bench.form().view().smoothing());
        smoothing->trigger();
        QCOMPARE(bench.form().settings().readInteger(orvex::settings::kSmoothing, "Enabled", 1), 0);
        QVERIFY(orvex::testing::Messages().isEmpty());
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HiDpiTest.moc"
