// The trace in the main window: the cross and the read-out follow the mouse and the keys along the graph
// chosen in the list, the tangent, Escape, the graph list's own keys, mouse buttons and the wheel keeping
// their commands, and marks that never enter the picture.
#include "AppTestBench.h"
#include "GraphTrace.h"
#include "PlotMapping.h"
#include "StatusPanels.h"
#include "Tracer.h"

#include <QMenu>
#include <QRegularExpression>
#include <QWheelEvent>

using orvex::OverlayLayer;
using orvex::PlotMarker;
using orvex::TGraphEntry;
using orvex::testing::MainWindowBench;
using orvex::testing::Messages;
using orvex::testing::MoveTo;

namespace {

// Graphs in red and blue over limits that give every pixel column `unit` of x, x = (column - 18) * unit +
// xmin, the first one chosen; then the trace is started.
void Trace(MainWindowBench& bench, const QStringList& formulas, int xmin = 0, double unit = 1) {
    std::uint32_t colour = 0x000000FF;
    for (const QString& formula : formulas) {
        QVERIFY(bench.form().document().append(TGraphEntry{formula.toStdString(), colour, true, 100, 1},
                                               formula));
        colour = 0x00FF0000;
    }
    const int width = bench.image().width();
    bench.setLimits(QStringLiteral("%1 %2 -1 %3")
                        .arg(xmin)
                        .arg(QString::number(xmin + (width - 36) * unit, 'g', 15))
                        .arg(width));
    bench.apply();
    bench.chooseGraph(0);
    bench.form().actions()["Trace"]->trigger();
}

QString Readout(const MainWindowBench& bench) {
    return bench.form().statusPanels()->panelText(1);
}

const QList<PlotMarker>& Marks(const MainWindowBench& bench) {
    return bench.image().markers(OverlayLayer::Trace);
}

orvex::PlotMapping Mapping(const MainWindowBench& bench) {
    const orvex::PictureSource& source = bench.form().view().shownSource();
    return {source.size.width(), source.size.height(), orvex::ParseLimits(source.view)};
}

// The cross at a column, at the row of y.
PlotMarker Cross(const MainWindowBench& bench, int column, double y) {
    PlotMarker cross;
    cross.at = QPoint(column, Mapping(bench).row(y));
    cross.colour = QColor(255, 0, 0);
    cross.shape = PlotMarker::Shape::Cross;
    return cross;
}

} // namespace

class TraceTest : public QObject {
    Q_OBJECT

  private slots:
    void readsTheChosenGraph_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<int>("xmin");
        QTest::addColumn<double>("unit");
        QTest::addColumn<QString>("readout"); // at column 118; "*": any digits
        QTest::addColumn<bool>("marked");
        QTest::newRow("value") << "x/2" << 0 << 1.0 << "x = 100; y = 50; y' = 0.5" << true;
        QTest::newRow("no value") << "sqrt(x-200)" << 0 << 1.0 << "x = 100; y = нет значения" << false;
        QTest::newRow("pole") << "1/x" << -100 << 1.0 << "x = 0; y = нет значения" << false;
        // An overflow in a spike narrower than the picture's sampling, which draws without it.
        QTest::newRow("error") << "sh(1/(x-33.33338))" << 0 << 1.0 / 3
                               << "x = 33.33333333*; y = Floating point overflow" << false;
    }
    void readsTheChosenGraph() {
        QFETCH(QString, formula);
        QFETCH(int, xmin);
        QFETCH(double, unit);
        QFETCH(QString, readout);
        QFETCH(bool, marked);
        MainWindowBench bench;
        Trace(bench, {formula}, xmin, unit);
        MoveTo(&bench.image(), QPoint(118, 30)); // the mouse's row does not matter, only its column
        const QRegularExpression expected(
            QRegularExpression::anchoredPattern(QRegularExpression::escape(readout).replace("\\*", "\\d*")));
        QVERIFY2(expected.match(Readout(bench)).hasMatch(), qPrintable(Readout(bench)));
        QCOMPARE(bench.image().toolTip(), Readout(bench)); // the hint says the same
        QCOMPARE(Marks(bench).size(), marked ? 1 : 0);
        QVERIFY(bench.form().statusPanels()->panelText(0).startsWith(
            QStringLiteral("Трассировка графика «%1»").arg(formula)));
        QVERIFY(Messages().isEmpty());
    }

    void followsTheMouseAndTheKeys() {
        MainWindowBench bench;
        Trace(bench, {"x/2"});
        QVERIFY(bench.image().hasFocus()); // the keys work at once
        MoveTo(&bench.image(), QPoint(118, 300));
        QCOMPARE(Marks(bench), QList<PlotMarker>{Cross(bench, 118, 50)});
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Right, Qt::NoModifier},
                                                                  {Qt::Key_Right, Qt::ShiftModifier},
                                                                  {Qt::Key_Left, Qt::ShiftModifier},
                                                                  {Qt::Key_Left, Qt::NoModifier}};
        const char* const readouts[] = {"x = 101; y = 50.5; y' = 0.5", "x = 111; y = 55.5; y' = 0.5",
                                        "x = 101; y = 50.5; y' = 0.5", "x = 100; y = 50; y' = 0.5"};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(&bench.image(), keys[i].first, keys[i].second);
            QCOMPARE(Readout(bench), QString::fromUtf8(readouts[i]));
        }
        QCOMPARE(bench.form().tracer().column(), 118);
        QCOMPARE(Marks(bench), QList<PlotMarker>{Cross(bench, 118, 50)});

        // The cross stays inside the plot rectangle.
        MoveTo(&bench.image(), QPoint(3, 300));
        QCOMPARE(Readout(bench), QStringLiteral("x = 0; y = 0; y' = 0.5"));
        QTest::keyClick(&bench.image(), Qt::Key_Left);
        QCOMPARE(bench.form().tracer().column(), orvex::PlotMapping::kMargin);

        // Escape ends the trace: no marks, and the mouse shows the coordinates again.
        QTest::keyClick(&bench.image(), Qt::Key_Escape);
        QVERIFY(!bench.form().actions()["Trace"]->isChecked());
        QVERIFY(Marks(bench).isEmpty());
        MoveTo(&bench.image(), QPoint(118, 300));
        QVERIFY(Readout(bench).startsWith('(') && Readout(bench).endsWith(')'));
    }

    void drawsTheTangent() {
        MainWindowBench bench;
        Trace(bench, {"x/2"});
        QAction* tangent = bench.form().findChild<QAction*>(QStringLiteral("Tangent"));
        QVERIFY(tangent && tangent->isCheckable() && !tangent->isChecked());
        QVERIFY(bench.form().findChild<QMenu*>(QStringLiteral("ViewMenu"))->actions().contains(tangent));
        tangent->trigger();
        MoveTo(&bench.image(), QPoint(218, 300));
        QCOMPARE(Marks(bench).size(), 2);
        const PlotMarker& segment = Marks(bench).at(0);
        const PlotMarker& cross = Marks(bench).at(1); // drawn over the tangent
        QCOMPARE(segment.shape, PlotMarker::Shape::Segment);
        QCOMPARE(cross, Cross(bench, 218, 100));
        // Through the cross, with the slope 0.5 in the picture's scales.
        const QPointF a = segment.at, b = segment.to;
        const double expected = -0.5 * Mapping(bench).ky() / Mapping(bench).kx();
        QVERIFY(std::abs((b.y() - a.y()) / (b.x() - a.x()) - expected) < 0.03);
        const double across =
            std::abs((b.x() - a.x()) * (cross.at.y() - a.y()) - (b.y() - a.y()) * (cross.at.x() - a.x())) /
            std::hypot(b.x() - a.x(), b.y() - a.y());
        QVERIFY(across <= 1.5);
        tangent->trigger();
        QCOMPARE(Marks(bench), QList<PlotMarker>{cross});
    }

    // Without a chosen graph the status bar says so; the trace follows the graph chosen in the list, whose
    // own arrow keys keep working.
    void followsTheGraphList() {
        MainWindowBench bench;
        for (const char* formula : {"x/2", "x/4"})
            QVERIFY(bench.form().document().append(TGraphEntry{formula}, QString::fromLatin1(formula)));
        const int width = bench.image().width();
        bench.setLimits(QStringLiteral("0 %1 -1 %2").arg(width - 36).arg(width));
        bench.apply();
        bench.form().actions()["Trace"]->trigger();
        MoveTo(&bench.image(), QPoint(118, 300));
        QCOMPARE(bench.form().statusPanels()->panelText(0),
                 QStringLiteral("Трассировка: выберите график в списке графиков."));
        QVERIFY(Marks(bench).isEmpty());

        bench.chooseGraph(0);
        QCOMPARE(Readout(bench), QStringLiteral("x = 100; y = 50; y' = 0.5"));
        QListWidget* list = bench.form().graphList();
        QVERIFY(list->hasFocus());
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(bench.form().document().selectedIndex(), 1);
        QCOMPARE(Readout(bench), QStringLiteral("x = 100; y = 25; y' = 0.25"));
        QTest::keyClick(list, Qt::Key_Right); // the list's key, not the trace's
        QCOMPARE(bench.form().tracer().column(), 118);
        // Over the plot area again, the keys go to the trace.
        MoveTo(&bench.image(), QPoint(118, 300));
        QVERIFY(bench.image().hasFocus());
    }

    // Buttons and wheel run their view commands during a trace; the cross keeps its column in the new
    // picture, whose pixels hold no mark.
    void viewCommandsKeepWorking() {
        MainWindowBench bench;
        Trace(bench, {"x/2"});
        const QImage before = bench.form().view().shownPicture();
        MoveTo(&bench.image(), QPoint(118, 300));
        QCOMPARE(bench.form().view().shownPicture(), before);

        const int width = bench.image().width();
        QTest::mouseClick(&bench.image(), Qt::LeftButton, {}, QPoint(118, 300));
        bench.waitForPicture();
        QCOMPARE(bench.limits(), QStringLiteral("-1 %1 -2 %2").arg(width - 35).arg(width + 1));
        QWheelEvent wheel(QPointF(118, 300), bench.image().mapToGlobal(QPointF(118, 300)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&bench.image(), &wheel);
        bench.waitForPicture();
        QCOMPARE(bench.limits(), QStringLiteral("0 %1 -2 %2").arg(width - 34).arg(width + 1));
        QVERIFY(bench.form().actions()["Trace"]->isChecked());
        const double x = orvex::ColumnX(118, width, 0, width - 34);
        QCOMPARE(Readout(bench), QString::fromStdString(orvex::TraceText(orvex::GraphTrace("x/2").at(x))));
        QCOMPARE(Marks(bench), QList<PlotMarker>{Cross(bench, 118, x / 2)});
    }

    // The x of every column of the plot rectangle maps back to that column.
    void columnsMapBack() {
        const std::pair<double, double> views[] = {
            {-5, 5}, {0, 8}, {-1e-3, 2e-3}, {1e6, 1e6 + 10}, {-7.3, 12.9}};
        for (const int width : {52, 600, 1917})
            for (const auto& [xmin, xmax] : views) {
                const orvex::PlotMapping mapping(width, 100, {xmin, xmax, 0, 1});
                for (int c = orvex::PlotMapping::kMargin; c <= width - orvex::PlotMapping::kMargin; ++c)
                    QCOMPARE(mapping.column(orvex::ColumnX(c, width, xmin, xmax)), c);
            }
    }
};

QTEST_MAIN(TraceTest)
#include "TraceTest.moc"
