// The command "Сглаживание": off by default, it draws the picture antialiased, and the settings file keeps
// the choice for the next start.
#include "AppTestBench.h"
#include "ColorBox.h"
#include "SettingsFile.h"

using orvex::testing::MainWindowBench;
using orvex::testing::Messages;

namespace {

const orvex::TGraphEntry kGraph{"sin(x)*4", 0x000000FF, true, 100, 2};

// The picture the command-line tool draws for the window's inputs, plain or smoothed.
QImage Expected(const MainWindowBench& bench, bool smooth) {
    QImage expected(bench.image().size(), QImage::Format_RGB32);
    orvex::ViewTexts texts = bench.form().view().texts();
    [&] {
        QVERIFY(orvex::RenderPicture(expected, texts, bench.params().colB1()->selectedValue(),
                                     bench.params().colB2()->selectedValue(),
                                     bench.form().document().visibleGraphs(), smooth));
    }();
    return expected;
}

QAction* Smoothing(const MainWindowBench& bench) {
    return bench.form().actions()["Smoothing"];
}

} // namespace

class SmoothingTest : public QObject {
    Q_OBJECT

  private slots:
    void togglesThePictureAndIsRemembered() {
        QByteArray settings;
        {
            MainWindowBench bench;
            QVERIFY(Smoothing(bench)->isCheckable() && !Smoothing(bench)->isChecked());
            QVERIFY(bench.form().document().append(kGraph, "sin(x)*4"));
            bench.apply();
            QCOMPARE(bench.image().picture(), Expected(bench, false));
            Smoothing(bench)->trigger();
            bench.waitForPicture();
            QVERIFY(Smoothing(bench)->isChecked());
            QCOMPARE(bench.image().picture(), Expected(bench, true));
            QVERIFY(bench.image().picture() != Expected(bench, false));
            QCOMPARE(bench.form().settings().readInteger(orvex::settings::kSmoothing, "Enabled", 0), 1);
            settings = orvex::testing::ReadAll(QString::fromStdString(bench.form().settings().path()));
        }
        {
            MainWindowBench bench(settings); // the next start draws smoothed at once
            QVERIFY(Smoothing(bench)->isChecked());
            QVERIFY(bench.form().view().smoothing());
            Smoothing(bench)->trigger();
            bench.waitForPicture();
            QCOMPARE(bench.image().picture(), Expected(bench, false));
            QCOMPARE(bench.form().settings().readInteger(orvex::settings::kSmoothing, "Enabled", 1), 0);
        }
        QVERIFY(Messages().isEmpty());
    }
};

QTEST_MAIN(SmoothingTest)
#include "SmoothingTest.moc"
