// The panel "Особые точки" in the main window: F9 shows and hides it, it lists the points of the graph
// chosen in the list over the picture's x range and follows the redraws, and it marks them on the plot area.
#include "SpecialPointsPanel.h"
#include "AppTestBench.h"
#include "StatusPanels.h"

#include <QLabel>
#include <QTableWidget>

using orvex::TGraphEntry;
using orvex::testing::MainWindowBench;
using orvex::testing::Messages;

namespace {

// The table's rows, "Тип x y" each.
QStringList Rows(const QTableWidget* table) {
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r)
        rows << QStringLiteral("%1 %2 %3")
                    .arg(table->item(r, 0)->text(), table->item(r, 1)->text(), table->item(r, 2)->text());
    return rows;
}

} // namespace

class SpecialPointsPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void listsAndMarksThePoints() {
        MainWindowBench bench;
        orvex::SpecialPointsPanel* panel = bench.form().specialPointsPanel();
        QVERIFY(!panel->isVisible()); // a user who does not ask for it never sees it
        for (const TGraphEntry& entry :
             {TGraphEntry{"x^2-1", 0x000000FF, true, 100, 1}, TGraphEntry{"x+1", 0x00FF0000, true, 100, 1},
              TGraphEntry{"5", 0, true, 100, 1}})
            QVERIFY(bench.form().document().append(entry, QString::fromStdString(entry.Formula)));
        bench.apply();

        QTest::keyClick(&bench.form(), Qt::Key_F9);
        QVERIFY(panel->isVisible());
        QVERIFY(bench.form().actions()["SpecialPoints"]->isChecked());
        QCOMPARE(panel->note()->text(), QStringLiteral("Выберите график в списке графиков."));
        QCOMPARE(panel->table()->rowCount(), 0);

        bench.chooseGraph(0);
        bench.waitForPicture();
        panel->waitForPoints();
        QCOMPARE(Rows(panel->table()),
                 (QStringList{"Пересечение с 3 -2.44948974278 5", "Нуль -1 0", "Пересечение с 2 -1 0",
                              "Минимум 0 -1", "Нуль 1 0", "Пересечение с 2 2 3",
                              "Пересечение с 3 2.44948974278 5"}));
        QCOMPARE(bench.image().markers().size(), 7);
        QVERIFY(std::none_of(bench.image().markers().begin(), bench.image().markers().end(),
                             [](const orvex::PlotMarker& m) { return m.strong; }));

        // A chosen row is marked more strongly and its coordinates go to the status bar.
        panel->table()->selectRow(3);
        QCOMPARE(bench.form().statusPanels()->panelText(1), QStringLiteral("(0; -1)"));
        QCOMPARE(std::count_if(bench.image().markers().begin(), bench.image().markers().end(),
                               [](const orvex::PlotMarker& m) { return m.strong; }),
                 1);

        // The panel follows the view: over 0..10 only the points with x > 0 are left (the minimum at the
        // left edge has no values on its left, so it is not one).
        bench.setLimits("0 10 -5 5");
        bench.apply();
        panel->waitForPoints();
        QCOMPARE(Rows(panel->table()),
                 (QStringList{"Нуль 1 0", "Пересечение с 2 2 3", "Пересечение с 3 2.44948974278 5"}));

        // F9 again hides it, and the markers go with it.
        QTest::keyClick(&bench.form(), Qt::Key_F9);
        QVERIFY(!panel->isVisible());
        QVERIFY(bench.image().markers().isEmpty());
        QVERIFY(Messages().isEmpty());
    }

    // At the width the panel first gets in the window, its table shows the type, x and y of every row in
    // full; an intersection names the other graph by its number, its formula is the cell's hint.
    void showsTypeXAndYAtItsFirstWidth() {
        MainWindowBench bench;
        for (const char* formula :
             {"x^3/10-x+0,123456", "sin(x)*3-0,000123", "x/3-0,5", "2-x^2/7", "cos(2*x)*2,5", "0,7*x+0,333"})
            QVERIFY(bench.form().document().append(TGraphEntry{formula, 0, true, 100, 1},
                                                   QString::fromLatin1(formula)));
        bench.apply();
        QTest::keyClick(&bench.form(), Qt::Key_F9);
        bench.chooseGraph(0);
        bench.waitForPicture();
        orvex::SpecialPointsPanel* panel = bench.form().specialPointsPanel();
        panel->waitForPoints();
        QTableWidget* table = panel->table();
        QVERIFY(table->rowCount() > 10);
        QCoreApplication::processEvents();
        int shown = 0;
        for (int c = 0; c < 3; ++c) {
            int widest = 0;
            for (int r = 0; r < table->rowCount(); ++r)
                widest = std::max(widest, table->fontMetrics().horizontalAdvance(table->item(r, c)->text()));
            QVERIFY2(table->columnWidth(c) > widest, qPrintable(QString::number(c)));
            shown += table->columnWidth(c);
        }
        QVERIFY2(shown <= table->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(shown).arg(table->viewport()->width())));
        QVERIFY(bench.image().width() >= 300); // the picture keeps a fair share of the window
        int intersections = 0;
        for (int r = 0; r < table->rowCount(); ++r) {
            const QString type = table->item(r, 0)->text();
            if (!type.startsWith(QStringLiteral("Пересечение")))
                continue;
            ++intersections;
            const int other = type.section(' ', -1).toInt();
            QCOMPARE(type, QStringLiteral("Пересечение с %1").arg(other));
            QCOMPARE(table->item(r, 0)->toolTip(), QStringLiteral("Пересечение с графиком %1: %2")
                                                       .arg(other)
                                                       .arg(bench.form().document().itemText(other - 1)));
        }
        QVERIFY(intersections > 5);
    }

    // A graph that overflows spoils the redraw; the error is reported once for that picture, however
    // often the window redraws it (showing the panel resizes the plot area in steps, a resize, the
    // search of the panel), and the panel says there is nothing to show.
    void anErrorIsReportedOncePerPicture() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("overflow.orx"));
        orvex::testing::WriteAll(path, QByteArray::fromStdString(orvex::EncodeDocument(
                                           {TGraphEntry{"x^2-1"}, TGraphEntry{"sh(x*3000)"}})));
        MainWindowBench bench;
        orvex::SpecialPointsPanel* panel = bench.form().specialPointsPanel();
        const auto settle = [&] {
            for (int i = 0; i < 5; ++i) { // the redraws a layout change queues
                QTest::qWait(20);
                bench.waitForPicture();
            }
            panel->waitForPoints();
        };
        const QString overflow = QStringLiteral("Floating point overflow");
        const QString notDrawn =
            QStringLiteral("Рисунок не построен из-за ошибки: особых точек для показа нет.");

        bench.form().openDocument(path);
        settle();
        QCOMPARE(Messages(), QStringList{overflow});
        QTest::keyClick(&bench.form(), Qt::Key_F9); // shown: the plot area narrows, redrawn in steps
        settle();
        QCOMPARE(Messages(), QStringList{overflow});
        bench.chooseGraph(0);
        settle();
        QCOMPARE(panel->note()->text(), notDrawn);
        QCOMPARE(panel->table()->rowCount(), 0);
        QVERIFY(bench.image().markers().isEmpty());
        bench.form().resize(bench.form().size() + QSize(120, 40));
        settle();
        QCOMPARE(Messages(), QStringList{overflow});

        // Other limits make another picture, which fails anew.
        QTest::keyClick(&bench.form(), Qt::Key_F10);
        settle();
        QCOMPARE(Messages(), (QStringList{overflow, overflow}));
        // Without the graph the picture is drawn and the panel lists points again; with it, the error is
        // reported again.
        bench.form().graphList()->item(1)->setCheckState(Qt::Unchecked);
        settle();
        QCOMPARE(panel->table()->rowCount(), 3);
        bench.form().graphList()->item(1)->setCheckState(Qt::Checked);
        settle();
        QCOMPARE(Messages(), (QStringList{overflow, overflow, overflow}));
        QCOMPARE(panel->note()->text(), notDrawn);

        // Opening the same document again makes the very picture whose error was just reported.
        bench.form().openDocument(path);
        settle();
        QCOMPARE(Messages().size(), 3);
        QCOMPARE(panel->note()->text(), notDrawn);
    }
};

QTEST_MAIN(SpecialPointsPanelTest)
#include "SpecialPointsPanelTest.moc"
