// Start-up of the main window from the settings file: the view fields, the theme, the hint delay, the
// first picture, the build-parameters window, and a limit that is not a number. Then the start-up order
// of the program's windows and the dialogs' blocking of both windows.
#include "ActionTable.h"
#include "AppWindows.h"
#include "GraphDocument.h"
#include "MainWindowBench.h"
#include "TAboutBox.h"
#include "TOKRightDlg.h"
#include "TParams.h"
#include "ThemeManager.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QStyle>

using orvex::testing::Errors;
using orvex::testing::MainWindowBench;

namespace {
int HintDelay() {
    return QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay);
}

int CountColour(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}
} // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void readsSettings_data();
    void readsSettings();
    void firstPictureShowsTheGrid();
    void badLimitIsReportedOnce();
    void buildParamsWindowFloatsAtItsPlace();
    void windowsInStartupOrder();
    void dialogsBlockBothWindows_data();
    void dialogsBlockBothWindows();
};

void StartupTest::readsSettings_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("limits");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("theme");
    QTest::addColumn<int>("hintDelay");

    QTest::newRow("no file") << QByteArray() << "-5 5 -5 5"
                             << "10 10"
                             << "Default" << 0;
    QTest::newRow("quality only") << QByteArray("[Quality]\nGraph=37\n") << "-5 5 -5 5"
                                  << "10 10"
                                  << "Default" << 0;
    QTest::newRow("all keys, any case")
        << QByteArray("[limits]\nxmin=-2\nXMAX=3.5\nYMin=-1\nYMax=7\nVert=4\nHor=0\n"
                      "[THEME]\nname=officexp\n[HintPause]\nPause=250\n")
        << "-2 3.5 -1 7"
        << "4 0"
        << "OfficeXP" << 250;
    QTest::newRow("hexadecimal pause")
        << QByteArray("[HintPause]\nPause=0x1F4\n[Theme]\nName=STRIPES\n") << "-5 5 -5 5"
        << "10 10"
        << "Stripes" << 500;
    QTest::newRow("unknown theme, bad pause")
        << QByteArray("[Theme]\nName=Blue\n[HintPause]\nPause=12ms\n") << "-5 5 -5 5"
        << "10 10"
        << "Default" << 0;
}

void StartupTest::readsSettings() {
    QFETCH(QByteArray, file);
    QFETCH(QString, limits);
    QFETCH(QString, grid);
    QFETCH(QString, theme);
    QFETCH(int, hintDelay);

    MainWindowBench bench(file);
    QCOMPARE(bench.limits(), limits);
    QCOMPARE(bench.params().edit1()->text() + ' ' + bench.params().edit2()->text(), grid);
    QCOMPARE(bench.form().themes().current(), theme);
    QCOMPARE(bench.form().themeSelector()->currentText(), theme);
    QCOMPARE(HintDelay(), hintDelay);
    QVERIFY(Errors().isEmpty());
}

void StartupTest::firstPictureShowsTheGrid() {
    MainWindowBench bench({}, false);
    // Before the window is shown the plot area already holds the frame on the background.
    const QImage& shown = bench.image().picture();
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::white));
    QVERIFY(CountColour(shown, QColor(0xC0, 0xC0, 0xC0)) > 0);

    bench.form().show();
    QTRY_COMPARE(bench.form().view().shownPicture().size(), bench.image().size());
    QVERIFY(Errors().isEmpty());
}

void StartupTest::badLimitIsReportedOnce() {
    MainWindowBench bench("[Limits]\nXMin=abc\n[HintPause]\nPause=250\n");
    QCOMPARE(Errors(), QStringList{QStringLiteral("'abc' is not a valid floating point value")});
    QCOMPARE(bench.params().exmin()->text(), QStringLiteral("abc"));
    QVERIFY(HintDelay() != 250); // the steps after the first picture were skipped
    QVERIFY(bench.image().picture().isNull());

    // Every redraw stops silently until the text is corrected.
    QSignalSpy redrawn(&bench.form().view(), &orvex::ViewController::redrawn);
    bench.form().resize(700, 500);
    QCoreApplication::processEvents();
    QTest::mouseClick(bench.params().bApply(), Qt::LeftButton);
    QCOMPARE(redrawn.count(), 0);
    QCOMPARE(Errors().size(), 1);

    bench.params().exmin()->setText(QStringLiteral("-5"));
    QTest::mouseClick(bench.params().bApply(), Qt::LeftButton);
    QCOMPARE(redrawn.count(), 1);
    QVERIFY(!bench.image().picture().isNull());
}

void StartupTest::buildParamsWindowFloatsAtItsPlace() {
    MainWindowBench bench;
    orvex::BuildParamsWindow& tbxtw = bench.params();
    QVERIFY(tbxtw.isVisible());
    QVERIFY(tbxtw.isWindow());
    QVERIFY(tbxtw.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(tbxtw.windowTitle(), QStringLiteral("Параметры построения"));
    QCOMPARE(tbxtw.pos(), QPoint(11, 370));
    QCOMPARE(tbxtw.minimumSize(), tbxtw.maximumSize());
}

void StartupTest::windowsInStartupOrder() {
    orvex::testing::ConfigFolder config;
    orvex::AppWindows windows;
    QCOMPARE(windows.mainWindow().windowTitle(), QStringLiteral("Orvex 1.0 RC2"));
    QVERIFY(!windows.mainWindow().isVisible());
    QVERIFY(!windows.okRightDlg().isVisible());
    QVERIFY(!windows.aboutBox().isVisible());
    QVERIFY(!windows.params().isVisible());
}

void StartupTest::dialogsBlockBothWindows_data() {
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("About, F1") << QKeySequence(Qt::Key_F1) << "about";
    QTest::newRow("Eval, F7") << QKeySequence(Qt::Key_F7) << "eval";
    QTest::newRow("Parametres, F8") << QKeySequence(Qt::Key_F8) << "params";
}

void StartupTest::dialogsBlockBothWindows() {
    QFETCH(QKeySequence, key);
    QFETCH(QString, dialog);

    orvex::testing::ConfigFolder config;
    config.writeSettings("[Limits]\nXMin=-7\n");
    orvex::AppWindows windows;
    orvex::TForm1& form = windows.mainWindow();
    QWidget* tbxtw = form.buildParamsWindow();
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const orvex::TGraphEntry graph{std::string("x"), 0, false, 100, 1};
    QVERIFY(form.document().append(graph, QStringLiteral("x")));
    QVERIFY(form.document().append(graph, QStringLiteral("sin(x)")));

    QTest::keySequence(&form, key);
    QDialog* shown = &windows.aboutBox();
    if (dialog == "eval") {
        shown = &windows.okRightDlg();
        const auto* formulas = windows.okRightDlg().findChild<QComboBox*>(QStringLiteral("Combo1"));
        QVERIFY(formulas);
        QCOMPARE(formulas->count(), 2);
        QCOMPARE(formulas->itemText(1), QStringLiteral("sin(x)"));
    } else if (dialog == "params") {
        shown = &windows.params();
        const auto* exmin2 = windows.params().findChild<QLineEdit*>(QStringLiteral("Exmin2"));
        QVERIFY(exmin2);
        QCOMPARE(exmin2->text(), QStringLiteral("-7"));
    }
    QVERIFY(shown->isVisible());
    QVERIFY(!form.isEnabled());
    QVERIFY(!tbxtw->isEnabled());

    shown->hide();
    QVERIFY(form.isEnabled());
    QVERIFY(tbxtw->isEnabled());
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
