// The redraw draws the curves off the GUI thread: it returns at once, a newer redraw takes over from the
// one in progress, the picture finally shown is the one the synchronous drawing gives, and an error while
// drawing reaches the error report and leaves the picture on screen as it was.
#include "AppTestBench.h"
#include "ColorBox.h"

using orvex::TGraphEntry;
using orvex::ViewController;
using orvex::testing::MainWindowBench;
using orvex::testing::Messages;

namespace {

const TGraphEntry kGraphs[] = {
    {"sin(x)*4", 0x000000FF, true, 200, 2},
    {"x^2/3-2", 0x00008000, true, 150, 1},
    {"1/x", 0x00FF0000, false, 200, 1},
    {"tg(x)", 0x00808000, true, 100, 3},
};

// The picture the command-line tool draws for the same inputs, synchronously.
QImage Synchronous(MainWindowBench& bench) {
    const ViewController& view = bench.form().view();
    QImage expected(bench.image().size(), QImage::Format_RGB32);
    orvex::ViewTexts texts = view.texts();
    const bool drawn = orvex::RenderPicture(expected, texts, bench.params().colB1()->selectedValue(),
                                            bench.params().colB2()->selectedValue(),
                                            bench.form().document().visibleGraphs());
    return drawn ? expected : QImage();
}

void AddGraphs(MainWindowBench& bench) {
    for (const TGraphEntry& entry : kGraphs)
        QVERIFY(bench.form().document().append(entry, QString::fromStdString(entry.Formula)));
}

} // namespace

class RedrawTest : public QObject {
    Q_OBJECT

  private slots:
    void newestRedrawWins() {
        MainWindowBench bench;
        AddGraphs(bench);
        QSignalSpy redrawn(&bench.form().view(), &ViewController::redrawn);
        bench.form().actions()["Change"]->trigger();
        QVERIFY(bench.form().view().isDrawing()); // the command returned before the curves were drawn
        for (int i = 0; i < 3; ++i)               // the keys answer while a picture is being made
            QTest::keyClick(&bench.form(), Qt::Key_F10);
        QCOMPARE(bench.limits(), QStringLiteral("-8 8 -8 8"));
        bench.waitForPicture();
        QVERIFY(redrawn.count() >= 1 && redrawn.count() <= 4);
        QCOMPARE(bench.image().picture(), Synchronous(bench));
        QVERIFY(Messages().isEmpty());
    }

    void errorWhileDrawingKeepsThePicture() {
        MainWindowBench bench;
        AddGraphs(bench);
        bench.apply();
        const QImage shown = bench.image().picture();
        QVERIFY(
            bench.form().document().append({"10^(x*2000)", 0, true, 100, 1}, QStringLiteral("10^(x*2000)")));
        QSignalSpy redrawn(&bench.form().view(), &ViewController::redrawn);
        bench.apply();
        QCOMPARE(Messages(), QStringList{QStringLiteral("Floating point overflow")});
        QCOMPARE(redrawn.count(), 0);
        QCOMPARE(bench.image().picture(), shown);
        // Unchecking the graph lets the next redraw through.
        bench.form().graphList()->item(4)->setCheckState(Qt::Unchecked);
        bench.waitForPicture();
        QCOMPARE(redrawn.count(), 1);
        QCOMPARE(bench.image().picture(), Synchronous(bench));
        QCOMPARE(Messages().size(), 1);
    }
};

QTEST_MAIN(RedrawTest)
#include "RedrawTest.moc"
