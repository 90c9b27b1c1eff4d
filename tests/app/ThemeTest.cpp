// The themes: name matching, the theme selector applying a theme at once, the three themes looking
// different, and the hint delay from the settings file holding tooltips back.
#include "MainWindowBench.h"
#include "ThemeManager.h"
#include "Themes.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QStyle>
#include <QToolTip>

using orvex::testing::MainWindowBench;

class ThemeTest : public QObject {
    Q_OBJECT

  private slots:
    void matching_data();
    void matching();
    void selectorAppliesAtOnce();
    void themesDiffer();
    void hintDelayHoldsTooltipsBack();
};

void ThemeTest::matching_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("theme");
    QTest::newRow("exact") << "OfficeXP"
                           << "OfficeXP";
    QTest::newRow("lower case") << "stripes"
                                << "Stripes";
    QTest::newRow("upper case") << "DEFAULT"
                                << "Default";
    QTest::newRow("mixed") << "oFFICExp"
                           << "OfficeXP";
    QTest::newRow("unknown") << "Blue"
                             << "Default";
    QTest::newRow("empty") << ""
                           << "Default";
    QTest::newRow("blank around") << " Stripes"
                                  << "Default";
    QTest::newRow("prefix") << "Office"
                            << "Default";
}

void ThemeTest::matching() {
    QFETCH(QString, name);
    QFETCH(QString, theme);
    QCOMPARE(orvex::MatchThemeName(name), theme);
}

void ThemeTest::selectorAppliesAtOnce() {
    MainWindowBench bench;
    QComboBox* selector = bench.form().themeSelector();
    QCOMPARE(bench.form().themes().current(), QStringLiteral("Default"));

    selector->setCurrentIndex(2); // chosen from the list
    QCOMPARE(bench.form().themes().current(), QStringLiteral("Stripes"));

    selector->lineEdit()->selectAll();
    QTest::keyClicks(selector->lineEdit(), QStringLiteral("officexp")); // typed
    QCOMPARE(bench.form().themes().current(), QStringLiteral("OfficeXP"));
    QCOMPARE(selector->currentText(), QStringLiteral("officexp")); // the typed text stays as typed

    QTest::keyClicks(selector->lineEdit(), QStringLiteral("2"));
    QCOMPARE(bench.form().themes().current(), QStringLiteral("Default"));
}

void ThemeTest::themesDiffer() {
    MainWindowBench bench;
    orvex::ThemeManager& themes = bench.form().themes();
    QStringList sheets;
    QList<QColor> windows;
    for (const QString& name : orvex::ThemeNames()) {
        QCOMPARE(themes.apply(name), name);
        sheets << qApp->styleSheet();
        const QImage swatch = QApplication::palette().window().textureImage();
        windows << (swatch.isNull() ? QApplication::palette().window().color() : swatch.pixelColor(0, 1));
    }
    QCOMPARE(sheets.removeDuplicates(), 0);
    QVERIFY(windows[0] != windows[1] && windows[1] != windows[2] && windows[0] != windows[2]);
    // Whatever the theme, the hint delay stays the one in force.
    themes.setHintDelay(123);
    themes.apply(QStringLiteral("Stripes"));
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 123);
}

void ThemeTest::hintDelayHoldsTooltipsBack() {
    // Tooltips follow real mouse moves only; the end-to-end tests run this case under X.
    if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
        QSKIP("needs a window system that delivers hover events");
    MainWindowBench bench("[HintPause]\nPause=1500\n");
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 1500);
    QLineEdit* field = bench.params().exmax();
    QVERIFY(QTest::qWaitForWindowExposed(&bench.params()));
    QToolTip::hideText();
    QTest::mouseMove(field, QPoint(3, 3));
    QTest::mouseMove(field, QPoint(5, 5));
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 8000);
    QCOMPARE(QToolTip::text(), QStringLiteral("X-максимум"));
    QVERIFY2(clock.elapsed() >= 1400, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(ThemeTest)
#include "ThemeTest.moc"
