// The redraw and the navigation in a real main window: view commands through their keys, mouse buttons
// and wheel with modifiers, the coordinate read-out, the events that redraw, the error report.
#include "ColorBox.h"
#include "GraphDocument.h"
#include "MainWindowBench.h"
#include "StatusPanels.h"

#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QWheelEvent>

using orvex::ViewController;
using orvex::testing::Errors;
using orvex::testing::MainWindowBench;

namespace {

bool HasColour(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

void Wheel(QWidget* target, int delta, Qt::KeyboardModifiers modifiers) {
    const QPointF pos(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// Moves the mouse onto a pixel of the plot area, from a neighbouring one so that Qt sees a move.
void MoveTo(QWidget* target, QPoint at) {
    QTest::mouseMove(target, at + QPoint(1, 1));
    QTest::mouseMove(target, at);
}

orvex::TGraphEntry RedLine() {
    // y = 0 in red, joined lines three pixels wide.
    return orvex::TGraphEntry{std::string(1, '0'), 0x000000FF, true, 10, 3};
}

} // namespace

class ViewTest : public QObject {
    Q_OBJECT

  private slots:
    void keys_data();
    void keys();
    void mouseButtons_data();
    void mouseButtons();
    void wheel_data();
    void wheel();
    void readout_data();
    void readout();
    void graphListHint();
    void viewCommandWithBadLimit();
    void limitRepairBeforeDrawing();
    void checkToggleRedraws();
    void colourChangeRedraws();
    void drawingErrorKeepsPicture();
    void copyUsesTheShownPicture();
    void tinyPlotArea_data();
    void tinyPlotArea();
};

void ViewTest::keys_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QStringList>("expected"); // limits after each press

    QTest::newRow("F10 widens") << "-5 5 -5 5" << QKeySequence(Qt::Key_F10) << QStringList{"-6 6 -6 6"};
    QTest::newRow("F11 narrows") << "-5 5 -5 5" << QKeySequence(Qt::Key_F11) << QStringList{"-4 4 -4 4"};
    QTest::newRow("Ctrl+F11 four times") << "-2 2 -5 5" << QKeySequence(Qt::CTRL | Qt::Key_F11)
                                         << QStringList{"-1 1 -5 5", "0 1 -5 5", "1 2 -5 5", "2 3 -5 5"};
    QTest::newRow("Ctrl+F10") << "-5 5 -5 5" << QKeySequence(Qt::CTRL | Qt::Key_F10)
                              << QStringList{"-6 6 -5 5"};
    QTest::newRow("Shift+F11") << "-5 5 -5 5" << QKeySequence(Qt::SHIFT | Qt::Key_F11)
                               << QStringList{"-5 5 -4 4"};
    QTest::newRow("Shift+F10") << "-5 5 -5 5" << QKeySequence(Qt::SHIFT | Qt::Key_F10)
                               << QStringList{"-5 5 -6 6"};
    QTest::newRow("Ctrl+Z moves left")
        << "-5 5 -5 5" << QKeySequence(Qt::CTRL | Qt::Key_Z) << QStringList{"-6 4 -5 5"};
    QTest::newRow("Ctrl+C moves right")
        << "-5 5 -5 5" << QKeySequence(Qt::CTRL | Qt::Key_C) << QStringList{"-4 6 -5 5"};
    QTest::newRow("Ctrl+D moves up") << "-5 5 -5 5" << QKeySequence(Qt::CTRL | Qt::Key_D)
                                     << QStringList{"-5 5 -4 6"};
    QTest::newRow("Ctrl+X moves down")
        << "-5 5 -5 5" << QKeySequence(Qt::CTRL | Qt::Key_X) << QStringList{"-5 5 -6 4"};
    QTest::newRow("fractions") << "-0.5 0.25 1E-5 3" << QKeySequence(Qt::Key_F10)
                               << QStringList{"-1.5 1.25 -0.99999 4"};
}

void ViewTest::keys() {
    QFETCH(QString, start);
    QFETCH(QKeySequence, key);
    QFETCH(QStringList, expected);

    MainWindowBench bench;
    const QStringList l = start.split(' ');
    bench.setLimits(l[0], l[1], l[2], l[3]);
    QSignalSpy redrawn(&bench.form().view(), &ViewController::redrawn);
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keySequence(&bench.form(), key);
        QCOMPARE(bench.limits(), expected[i]);
        QCOMPARE(redrawn.count(), i + 1);
    }
    QVERIFY(Errors().isEmpty());
}

void ViewTest::mouseButtons_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("redraws");

    using M = Qt::KeyboardModifiers;
    QTest::newRow("left") << Qt::LeftButton << M() << "-6 6 -6 6" << 1;
    QTest::newRow("left+Shift") << Qt::LeftButton << M(Qt::ShiftModifier) << "-6 6 -5 5" << 1;
    QTest::newRow("left+Ctrl") << Qt::LeftButton << M(Qt::ControlModifier) << "-5 5 -6 6" << 1;
    QTest::newRow("left+Shift+Ctrl") << Qt::LeftButton << M(Qt::ShiftModifier | Qt::ControlModifier)
                                     << "-6 6 -6 6" << 2;
    QTest::newRow("left+Alt") << Qt::LeftButton << M(Qt::AltModifier) << "-6 6 -6 6" << 1;
    QTest::newRow("right") << Qt::RightButton << M() << "-4 4 -4 4" << 1;
    QTest::newRow("right+Shift") << Qt::RightButton << M(Qt::ShiftModifier) << "-4 4 -5 5" << 1;
    QTest::newRow("right+Ctrl") << Qt::RightButton << M(Qt::ControlModifier) << "-5 5 -4 4" << 1;
    QTest::newRow("right+Shift+Ctrl")
        << Qt::RightButton << M(Qt::ShiftModifier | Qt::ControlModifier) << "-4 4 -4 4" << 2;
    QTest::newRow("middle") << Qt::MiddleButton << M() << "-5 5 -5 5" << 0;
}

void ViewTest::mouseButtons() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, expected);
    QFETCH(int, redraws);

    MainWindowBench bench;
    QSignalSpy redrawn(&bench.form().view(), &ViewController::redrawn);
    QTest::mousePress(&bench.image(), button, modifiers, QPoint(50, 50));
    QTest::mouseRelease(&bench.image(), button, modifiers, QPoint(50, 50));
    QCOMPARE(bench.limits(), expected);
    QCOMPARE(redrawn.count(), redraws);
}

void ViewTest::wheel_data() {
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("expected");

    using M = Qt::KeyboardModifiers;
    QTest::newRow("down") << QList<int>{-120} << M() << "-4 6 -5 5";
    QTest::newRow("down+Shift") << QList<int>{-120} << M(Qt::ShiftModifier) << "-5 5 -4 6";
    QTest::newRow("up") << QList<int>{120} << M() << "-6 4 -5 5";
    QTest::newRow("up+Shift") << QList<int>{120} << M(Qt::ShiftModifier) << "-5 5 -6 4";
    QTest::newRow("down+Ctrl moves horizontally")
        << QList<int>{-120} << M(Qt::ControlModifier) << "-4 6 -5 5";
    QTest::newRow("two steps at once") << QList<int>{-240} << M() << "-3 7 -5 5";
    QTest::newRow("half steps add up") << QList<int>{60, 30, 30, 60} << M() << "-6 4 -5 5";
}

void ViewTest::wheel() {
    QFETCH(QList<int>, deltas);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, expected);

    MainWindowBench bench;
    for (int delta : deltas)
        Wheel(&bench.image(), delta, modifiers);
    QCOMPARE(bench.limits(), expected);
}

void ViewTest::readout_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("limits");
    QTest::addColumn<bool>("topLeft"); // the corner of the read-out's inner rectangle, else the opposite one
    QTest::addColumn<QString>("expected");

    QTest::newRow("top-left") << '.' << "-5 5 -5 5" << true << "(-5.00, 5.00)";
    QTest::newRow("bottom-right") << '.' << "-5 5 -5 5" << false << "(5.00, -5.00)";
    QTest::newRow("comma") << ',' << "-0,5 1 -2 300" << true << "(-0,50, 3E02)";
    QTest::newRow("large") << '.' << "-5 5 -2 1234" << true << "(-5.00, 1.2E03)";
}

void ViewTest::readout() {
    QFETCH(char, separator);
    QFETCH(QString, limits);
    QFETCH(bool, topLeft);
    QFETCH(QString, expected);

    MainWindowBench bench;
    orvex::SetDecimalSeparator(separator);
    const QStringList l = limits.split(' ');
    bench.setLimits(l[0], l[1], l[2], l[3]);
    const QSize size = bench.image().size();
    const QPoint at = topLeft ? QPoint(20, 20) : QPoint(size.width() - 20, size.height() - 20);
    MoveTo(&bench.image(), at);
    QTRY_COMPARE(bench.form().statusPanels()->panelText(1), expected);
    QCOMPARE(bench.image().toolTip(), expected);
    QCOMPARE(bench.form().statusPanels()->panelText(0),
             QStringLiteral("Масштабируйте график с помощью кнопок мыши, передвигайте область построения с "
                            "помощью колеса мыши (Ctrl, Shift - по осям)."));
    QVERIFY(Errors().isEmpty());
}

void ViewTest::graphListHint() {
    MainWindowBench bench;
    MoveTo(&bench.image(), QPoint(30, 30));
    QTRY_VERIFY(!bench.form().statusPanels()->panelText(1).isEmpty());
    QTest::mouseMove(bench.form().graphList()->viewport(), QPoint(10, 10));
    QTRY_COMPARE(bench.form().statusPanels()->panelText(0),
                 QStringLiteral("Изменяйте видимость графиков с помощью флажков, дважды щелкните на графике, "
                                "чтобы изменить его."));
    QCOMPARE(bench.form().statusPanels()->panelText(1), QString());
}

void ViewTest::viewCommandWithBadLimit() {
    MainWindowBench bench;
    bench.setLimits("-5", "5", "x", "5");
    QSignalSpy redrawn(&bench.form().view(), &ViewController::redrawn);
    QTest::keyClick(&bench.form(), Qt::Key_F10);
    // The fields before the bad one are rewritten, the rest stay; the error is reported; no redraw.
    QCOMPARE(bench.limits(), QStringLiteral("-6 6 x 5"));
    QCOMPARE(Errors(), QStringList{QStringLiteral("'x' is not a valid floating point value")});
    QCOMPARE(redrawn.count(), 0);

    // The read-out reports the same error; the window goes on working once the text is corrected.
    MoveTo(&bench.image(), QPoint(40, 40));
    QTRY_VERIFY(Errors().size() >= 2);
    QCOMPARE(Errors().back(), QStringLiteral("'x' is not a valid floating point value"));
    bench.params().eymin()->setText("-5");
    QTest::keyClick(&bench.form(), Qt::Key_F10);
    QCOMPARE(bench.limits(), QStringLiteral("-7 7 -6 6"));
}

void ViewTest::limitRepairBeforeDrawing() {
    MainWindowBench bench;
    bench.setLimits("0", "0.5", "3", "2");
    QTest::mouseClick(bench.params().bApply(), Qt::LeftButton);
    QCOMPARE(bench.limits(), QStringLiteral("0 1 3 4"));
    QVERIFY(Errors().isEmpty());
}

void ViewTest::checkToggleRedraws() {
    MainWindowBench bench;
    orvex::GraphDocument& document = bench.form().document();
    QVERIFY(document.append(RedLine(), QStringLiteral("0")));
    QTest::mouseClick(bench.params().bApply(), Qt::LeftButton);
    QVERIFY(HasColour(bench.image().picture(), Qt::red));

    QSignalSpy redrawn(&bench.form().view(), &ViewController::redrawn);
    bench.form().graphList()->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(redrawn.count(), 1);
    QVERIFY(!HasColour(bench.image().picture(), Qt::red));

    bench.form().graphList()->item(0)->setCheckState(Qt::Checked);
    QCOMPARE(redrawn.count(), 2);
    QVERIFY(HasColour(bench.image().picture(), Qt::red));
}

void ViewTest::colourChangeRedraws() {
    MainWindowBench bench;
    QSignalSpy redrawn(&bench.form().view(), &ViewController::redrawn);
    bench.params().colB2()->setSelectedValue(0x00000000);
    QCOMPARE(redrawn.count(), 1);
    QCOMPARE(bench.image().picture().pixelColor(1, 1), QColor(Qt::black));
    bench.params().colB1()->setSelectedValue(0x00FF0000);
    QCOMPARE(redrawn.count(), 2);
    QVERIFY(HasColour(bench.image().picture(), Qt::blue));
}

void ViewTest::drawingErrorKeepsPicture() {
    MainWindowBench bench;
    const QImage before = bench.image().picture();
    bench.params().edit1()->setText(QStringLiteral("many"));
    bench.setLimits("0", "0.5", "-5", "5");
    QTest::mouseClick(bench.params().bApply(), Qt::LeftButton);
    QCOMPARE(Errors(), QStringList{QStringLiteral("'many' is not a valid integer value")});
    QCOMPARE(bench.image().picture(), before);
    // The limit repair came before the error and stays.
    QCOMPARE(bench.params().exmax()->text(), QStringLiteral("1"));
}

void ViewTest::copyUsesTheShownPicture() {
    MainWindowBench bench;
    const QImage shown = bench.image().picture();
    // A redraw that stops on an error leaves PlotBitmap resized and filled, the screen as it was.
    bench.params().colB2()->blockSignals(true);
    bench.params().colB2()->setSelectedValue(0x0000FF00);
    bench.params().colB2()->blockSignals(false);
    bench.params().edit2()->setText(QStringLiteral("?"));
    QTest::mouseClick(bench.params().bApply(), Qt::LeftButton);
    QCOMPARE(Errors().size(), 1);
    QVERIFY(bench.form().view().plotBitmap() != shown);

    bench.form().actions()["CopyToClipboard"]->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             shown.convertToFormat(QImage::Format_RGB32));
}

void ViewTest::tinyPlotArea_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("0x0") << QSize(0, 0);
    QTest::newRow("1x1") << QSize(1, 1);
    QTest::newRow("20x300") << QSize(20, 300);
    QTest::newRow("40x40") << QSize(40, 40);
    QTest::newRow("41x37") << QSize(41, 37);
}

void ViewTest::tinyPlotArea() {
    QFETCH(QSize, size);
    MainWindowBench bench;
    QVERIFY(bench.form().document().append(RedLine(), QStringLiteral("0")));
    bench.image().setFixedSize(size);
    QTRY_COMPARE(bench.image().size(), size);
    QTest::mouseClick(bench.params().bApply(), Qt::LeftButton);
    QTest::keyClick(&bench.form(), Qt::Key_F11);
    if (!size.isEmpty()) {
        MoveTo(&bench.image(), QPoint(size.width() / 2, size.height() / 2));
        QTRY_VERIFY(!bench.form().statusPanels()->panelText(1).isEmpty());
        QCOMPARE(bench.image().picture().size(), size);
    }
    QCOMPARE(bench.limits(), QStringLiteral("-4 4 -4 4"));
    QVERIFY(Errors().isEmpty());
}

QTEST_MAIN(ViewTest)
#include "ViewTest.moc"
