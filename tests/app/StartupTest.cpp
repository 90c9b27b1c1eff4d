// Start-up from the settings file: view fields, theme, hint delay, the first picture, a limit that is not
// a number; the build-parameters window.
#include "AppTestBench.h"
#include "ThemeManager.h"

#include <QComboBox>
#include <QStyle>

using orvex::testing::MainWindowBench;
using orvex::testing::Messages;

class StartupTest : public QObject {
    Q_OBJECT

    static int hintDelay() { return QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay); }

  private slots:
    void readsSettings_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected"); // limits, grid lines, theme, hint delay
        QTest::newRow("no file") << QByteArray() << "-5 5 -5 5 10 10 Default 0";
        QTest::newRow("any case") << QByteArray(
                                         "[limits]\nxmin=-2\nXMAX=3.5\nYMin=-1\nYMax=7\nVert=4\nHor=0\n"
                                         "[THEME]\nname=officexp\n[HintPause]\nPause=250\n")
                                  << "-2 3.5 -1 7 4 0 OfficeXP 250";
        QTest::newRow("hex") << QByteArray("[HintPause]\nPause=0x1F4\n[Theme]\nName=STRIPES\n")
                             << "-5 5 -5 5 10 10 Stripes 500";
        QTest::newRow("bad") << QByteArray("[Theme]\nName=Blue\n[HintPause]\nPause=12ms\n")
                             << "-5 5 -5 5 10 10 Default 0";
    }
    void readsSettings() {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        MainWindowBench bench(file);
        QCOMPARE(QStringList({bench.limits(), bench.params().edit1()->text(), bench.params().edit2()->text(),
                              bench.form().themeSelector()->currentText(), QString::number(hintDelay())})
                     .join(' '),
                 expected);
        QCOMPARE(bench.form().themes().current(), bench.form().themeSelector()->currentText());
        QVERIFY(Messages().isEmpty());
        // The first picture: the frame and the grid on the background, shown at the plot area's size.
        QTRY_COMPARE(bench.form().view().shownPicture().size(), bench.image().size());
        const QImage& shown = bench.form().view().shownPicture();
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::white));
        int silver = 0;
        for (int x = 0; x < shown.width(); ++x)
            silver += shown.pixelColor(x, shown.height() / 2) == QColor(0xC0, 0xC0, 0xC0) ? 1 : 0;
        QVERIFY(silver > 0);
        // The build-parameters window floats at its place with a fixed size.
        QVERIFY(bench.params().isVisible() && bench.params().windowFlags().testFlag(Qt::Tool));
        QCOMPARE(bench.params().pos(), QPoint(11, 370));
        QCOMPARE(bench.params().minimumSize(), bench.params().maximumSize());
    }

    void badLimitIsReportedOnce() {
        MainWindowBench bench("[Limits]\nXMin=abc\n[HintPause]\nPause=250\n");
        QCOMPARE(Messages(), QStringList{QStringLiteral("'abc' is not a valid floating point value")});
        QVERIFY(hintDelay() != 250); // the steps after the first picture were skipped
        QSignalSpy redrawn(&bench.form().view(), &orvex::ViewController::redrawn);
        bench.form().resize(700, 500);
        bench.apply(); // every redraw stops silently until the text is corrected
        QCOMPARE(redrawn.count(), 0);
        QCOMPARE(Messages().size(), 1);
        bench.params().exmin()->setText(QStringLiteral("-5"));
        bench.apply();
        QCOMPARE(redrawn.count(), 1);
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
