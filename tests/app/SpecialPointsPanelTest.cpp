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

void Choose(MainWindowBench& bench, int row) {
    QListWidget* list = bench.form().graphList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

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

        Choose(bench, 0);
        bench.waitForPicture();
        panel->waitForPoints();
        QCOMPARE(Rows(panel->table()),
                 (QStringList{"Пересечение с 3: 5 -2.44948974278 5", "Нуль -1 0", "Пересечение с 2: x+1 -1 0",
                              "Минимум 0 -1", "Нуль 1 0", "Пересечение с 2: x+1 2 3",
                              "Пересечение с 3: 5 2.44948974278 5"}));
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
                 (QStringList{"Нуль 1 0", "Пересечение с 2: x+1 2 3", "Пересечение с 3: 5 2.44948974278 5"}));

        // F9 again hides it, and the markers go with it.
        QTest::keyClick(&bench.form(), Qt::Key_F9);
        QVERIFY(!panel->isVisible());
        QVERIFY(bench.image().markers().isEmpty());
        QVERIFY(Messages().isEmpty());
    }
};

QTEST_MAIN(SpecialPointsPanelTest)
#include "SpecialPointsPanelTest.moc"
