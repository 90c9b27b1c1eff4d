// The redraw and the navigation wired into the main window: keys, mouse buttons and wheel with modifiers,
// the coordinate read-out, the events that redraw, the error report. The arithmetic is tested in render/.
#include "AppTestBench.h"
#include "ColorBox.h"
#include "StatusPanels.h"

#include <QClipboard>
#include <QWheelEvent>

using orvex::ViewController;
using orvex::testing::MainWindowBench;
using orvex::testing::Messages;
using orvex::testing::MoveTo;

namespace {

// Sends one input to the main window: a key sequence ("Ctrl+F11"), a click on the plot area ("Shift+left")
// or turns of the wheel over it ("Ctrl+wheel -120 60").
void Send(MainWindowBench& bench, const QString& input) {
    const QString last = input.section('+', -1);
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, input.contains("Shift+"));
    modifiers.setFlag(Qt::ControlModifier, input.contains("Ctrl+"));
    const QPointF at(50, 50);
    if (last == "left" || last == "right")
        QTest::mouseClick(&bench.image(), last == "left" ? Qt::LeftButton : Qt::RightButton, modifiers,
                          at.toPoint());
    else if (!last.startsWith("wheel"))
        QTest::keySequence(&bench.form(), QKeySequence(input));
    for (const QString& delta : last.split(' ').mid(1)) {
        QWheelEvent event(at, bench.image().mapToGlobal(at), QPoint(), QPoint(0, delta.toInt()), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&bench.image(), &event);
    }
    bench.waitForPicture();
}

// y = 0 in red, joined lines three pixels wide.
const orvex::TGraphEntry kRedLine{"0", 0x000000FF, true, 10, 3};

} // namespace

class ViewTest : public QObject {
    Q_OBJECT

  private slots:
    void navigation_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("expected"); // the limits after each input
        QTest::addColumn<int>("redraws");          // pictures shown
        const auto row = [](const char* input, const QStringList& expected, int redraws = 1,
                            const char* start = "-5 5 -5 5") {
            QTest::newRow(input) << start << expected << redraws;
        };
        row("F10", {"-6 6 -6 6"});
        row("F11", {"-4 4 -4 4"});
        row("Ctrl+F11", {"-1 1 -5 5", "0 1 -5 5", "1 2 -5 5", "2 3 -5 5"}, 4, "-2 2 -5 5");
        row("left", {"-6 6 -6 6"});
        row("Shift+left", {"-6 6 -5 5"});
        row("Shift+Ctrl+left", {"-6 6 -6 6"}); // two redraws; the second supersedes the first
        row("Ctrl+right", {"-5 5 -4 4"});
        row("wheel -120", {"-4 6 -5 5"});
        row("Shift+wheel 120", {"-5 5 -6 4"});
        row("wheel 60 30 30 60", {"-6 4 -5 5"}); // half steps add up
    }
    void navigation() {
        QFETCH(QString, start);
        QFETCH(QStringList, expected);
        QFETCH(int, redraws);
        MainWindowBench bench;
        bench.setLimits(start);
        QSignalSpy redrawn(&bench.form().view(), &ViewController::redrawn);
        for (const QString& limits : expected) {
            Send(bench, QString::fromLatin1(QTest::currentDataTag()));
            QCOMPARE(bench.limits(), limits);
        }
        QCOMPARE(redrawn.count(), redraws);
        QVERIFY(Messages().isEmpty());
    }

    void readout() {
        MainWindowBench bench;
        const QPoint far(bench.image().width() - 20, bench.image().height() - 20);
        const std::tuple<char, const char*, QPoint, const char*> cases[] = {
            {'.', "-5 5 -5 5", {20, 20}, "(-5.00, 5.00)"},
            {'.', "-5 5 -5 5", far, "(5.00, -5.00)"},
            {',', "-0,5 1 -2 300", {20, 20}, "(-0,50, 3E02)"}};
        for (const auto& [separator, limits, at, expected] : cases) {
            orvex::SetDecimalSeparator(separator);
            bench.setLimits(limits);
            MoveTo(&bench.image(), at);
            QTRY_COMPARE(bench.form().statusPanels()->panelText(1), expected);
            QCOMPARE(bench.image().toolTip(), expected);
        }
        QVERIFY(Messages().isEmpty());
    }

    // A limit beyond the double range is no number for the redraw and the read-out (silently), and a view
    // command reports the overflow once, keeping the fields it rewrote before it.
    void limitBeyondDoubleRange() {
        MainWindowBench bench;
        QSignalSpy redrawn(&bench.form().view(), &ViewController::redrawn);
        bench.setLimits("-5 1E400 -5 5");
        bench.apply();
        MoveTo(&bench.image(), QPoint(60, 60));
        QCoreApplication::processEvents();
        QCOMPARE(bench.form().statusPanels()->panelText(1), QString());
        QCOMPARE(redrawn.count(), 0);
        QVERIFY(Messages().isEmpty());
        Send(bench, QStringLiteral("F10"));
        QCOMPARE(Messages(), QStringList{QStringLiteral("Floating point overflow")});
        QCOMPARE(bench.limits(), QStringLiteral("-6 1E400 -5 5"));
        QCOMPARE(redrawn.count(), 0);
    }

    void checkAndColourChangesRedraw() {
        MainWindowBench bench;
        QVERIFY(bench.form().document().append(kRedLine, QStringLiteral("0")));
        bench.apply();
        const QImage withLine = bench.image().picture();
        bench.form().graphList()->item(0)->setCheckState(Qt::Unchecked);
        bench.waitForPicture();
        QVERIFY(bench.image().picture() != withLine);
        bench.params().colB2()->setSelectedValue(0x00000000);
        bench.waitForPicture();
        QCOMPARE(bench.image().picture().pixelColor(1, 1), QColor(Qt::black));
    }

    void drawingErrorKeepsPicture() {
        MainWindowBench bench;
        const QImage shown = bench.image().picture();
        bench.params().colB2()->blockSignals(true);
        bench.params().colB2()->setSelectedValue(0x0000FF00);
        bench.params().colB2()->blockSignals(false);
        bench.params().edit1()->setText(QStringLiteral("many"));
        bench.setLimits("0 0.5 3 2");
        bench.apply();
        QCOMPARE(Messages(), QStringList{QStringLiteral("'many' is not a valid integer value")});
        QCOMPARE(bench.limits(), QStringLiteral("0 1 3 4")); // the limit repair came first and stays
        // PlotBitmap is resized and filled, the screen stays as it was, and so does what is copied.
        QVERIFY(bench.form().view().plotBitmap() != shown);
        QCOMPARE(bench.image().picture(), shown);
        bench.form().actions()["CopyToClipboard"]->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 shown.convertToFormat(QImage::Format_RGB32));
    }

    void tinyPlotArea() {
        MainWindowBench bench;
        QVERIFY(bench.form().document().append(kRedLine, QStringLiteral("0")));
        for (const QSize size : {QSize(0, 0), QSize(1, 1)}) {
            bench.setLimits("-5 5 -5 5");
            bench.image().setFixedSize(size);
            QTRY_COMPARE(bench.image().size(), size);
            bench.apply();
            QTest::keyClick(&bench.form(), Qt::Key_F11);
            bench.waitForPicture();
            QCOMPARE(bench.limits(), QStringLiteral("-4 4 -4 4"));
            if (size.isEmpty())
                continue;
            MoveTo(&bench.image(), QPoint(size.width() / 2, size.height() / 2));
            QTRY_VERIFY(!bench.form().statusPanels()->panelText(1).isEmpty());
            QCOMPARE(bench.image().picture().size(), size);
        }
        QVERIFY(Messages().isEmpty());
    }
};

QTEST_MAIN(ViewTest)
#include "ViewTest.moc"
