// Themes: name matching, the selector applying a theme at once, the hint delay holding tooltips back.
#include "AppTestBench.h"
#include "ThemeManager.h"
#include "Themes.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QStyle>
#include <QToolTip>

class ThemeTest : public QObject {
    Q_OBJECT

  private slots:
    void matching() { // "typed=matched"
        for (const char* row :
             {"stripes=Stripes", "oFFICExp=OfficeXP", "Blue=Default", " Stripes=Default", "Office=Default"})
            QCOMPARE(orvex::MatchThemeName(QString(row).section('=', 0, 0)), QString(row).section('=', 1));
    }

    void selectorAppliesAtOnce() {
        orvex::testing::MainWindowBench bench;
        QComboBox* selector = bench.form().themeSelector();
        selector->lineEdit()->selectAll();
        QTest::keyClicks(selector->lineEdit(), QStringLiteral("officexp")); // typed
        QCOMPARE(bench.form().themes().current(), QStringLiteral("OfficeXP"));
    }

    void hintDelayHoldsTooltipsBack() {
        // Tooltips follow real mouse moves only; the end-to-end tests run this case under X.
        if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
            QSKIP("needs a window system that delivers hover events");
        orvex::testing::MainWindowBench bench("[HintPause]\nPause=1500\n");
        QVERIFY(QTest::qWaitForWindowExposed(&bench.params()));
        QToolTip::hideText();
        QTest::mouseMove(bench.params().exmax(), QPoint(3, 3));
        QTest::mouseMove(bench.params().exmax(), QPoint(5, 5));
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 8000);
        QCOMPARE(QToolTip::text(), QStringLiteral("X-максимум"));
        QVERIFY2(clock.elapsed() >= 1400, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_MAIN(ThemeTest)
#include "ThemeTest.moc"
