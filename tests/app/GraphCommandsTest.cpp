// The graph commands on the real editor: what each command offers and stores, the blocking of the main and
// build-parameters windows, removal, the derivative and the table's capacity.
#include "AppTestBench.h"
#include "ColorBox.h"
#include "TForm4.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

using orvex::TGraphEntry;
using orvex::testing::GraphBench;
using orvex::testing::Messages;

namespace {

// Types `text` into the open editor (when given) and presses "Построить график".
void Confirm(GraphBench& bench, const QString& text = {}) {
    if (!text.isEmpty())
        bench.commands.editor()->formulaEdit()->setText(text);
    QTest::mouseClick(bench.commands.editor()->confirmButton(), Qt::LeftButton);
}

// The editor: "caption | label | formula | colour | lines | width enabled | width | quality", or "closed".
QString Editor(const GraphBench& bench) {
    const orvex::TForm4* e = bench.commands.editor();
    if (!e->isVisible())
        return QStringLiteral("closed");
    return QStringLiteral("%1 | %2 | %3 | %4 | %5 | %6 | %7 | %8")
        .arg(e->windowTitle(), e->formulaLabel()->text(), e->formulaEdit()->text(),
             QString::number(e->colorBox()->selectedValue(), 16))
        .arg(int(e->linesBox()->isChecked()))
        .arg(int(e->widthEdit()->isEnabled()))
        .arg(e->widthEdit()->value())
        .arg(e->qualityBar()->value());
}

} // namespace

class GraphCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void addGraph() {
        GraphBench bench;
        bench.settings.writeString("Quality", "Graph", "500"); // beyond the track bar's range
        bench.commands.addGraph();
        QCOMPARE(Editor(bench), QStringLiteral("Добавить график | f(x)= |  | 0 | 0 | 0 | 1 | 200"));
        Confirm(bench); // an empty formula leaves the editor open and stores nothing
        QCOMPARE(bench.state(), QStringLiteral(" / 0 redraws / 0 windows enabled"));
        bench.commands.editor()->linesBox()->setChecked(true);
        bench.commands.editor()->widthEdit()->setValue(2);
        Confirm(bench, QStringLiteral("sin(x)"));
        QCOMPARE(bench.state(), QStringLiteral("sin(x) / 1 redraws / 2 windows enabled"));
        QVERIFY((bench.document.record(0) == TGraphEntry{"sin(x)", 0, true, 200, 2}));
    }

    void editSelected() {
        GraphBench bench;
        bench.add("x^2", 0x00FF00, true, 70, 3);
        bench.add("cos(x)");
        bench.list->item(0)->setCheckState(Qt::Unchecked);
        bench.list->setCurrentRow(0);
        bench.commands.editSelected();
        QCOMPARE(Editor(bench), QStringLiteral("Изменить график | f(x)= | x^2 | ff00 | 1 | 1 | 3 | 70"));
        bench.commands.editor()->linesBox()->setChecked(false);
        Confirm(bench, QStringLiteral("x^3"));
        // Replaced in place and checked again; the width is kept while its field is disabled.
        QCOMPARE(bench.state(), QStringLiteral("x^3, cos(x) / 1 redraws / 2 windows enabled"));
        QVERIFY((bench.document.record(0) == TGraphEntry{"x^3", 0x00FF00, false, 70, 3}));
        bench.commands.editSelected(); // closing the editor stores nothing
        bench.commands.editor()->formulaEdit()->setText(QStringLiteral("b"));
        bench.commands.editor()->close();
        QCOMPARE(bench.state(), QStringLiteral("x^3, cos(x) / 1 redraws / 2 windows enabled"));
    }

    void removeSecondOfThreeThenNew() {
        GraphBench bench;
        bench.add("a");
        bench.add("b");
        bench.add("c", 3, false, 30, 5);
        bench.list->item(2)->setCheckState(Qt::Unchecked);
        bench.list->setCurrentRow(1);
        bench.commands.removeSelected();
        QCOMPARE(bench.state(), QStringLiteral("a, c- / 1 redraws / 2 windows enabled"));
        QVERIFY((bench.document.record(1) == TGraphEntry{"c", 3, false, 30, 5}));
        bench.list->setCurrentRow(-1); // without a selection remove and add-derivative do nothing
        bench.commands.removeSelected();
        bench.commands.addDerivative();
        QCOMPARE(bench.state(), QStringLiteral("a, c- / 1 redraws / 2 windows enabled"));
        QVERIFY(Messages().isEmpty());
        bench.commands.newDocument(); // "Создать" empties the list
        QCOMPARE(bench.state(), QStringLiteral(" / 2 redraws / 2 windows enabled"));
    }

    void longFormula() {
        GraphBench bench;
        const QString sixty = QStringLiteral("x+").repeated(29) + QStringLiteral("10");
        bench.commands.addGraph();
        Confirm(bench, sixty);
        QCOMPARE(bench.document.record(0).Formula, sixty.left(50).toStdString());
        QCOMPARE(bench.document.itemText(0), sixty);
        bench.list->setCurrentRow(0);
        bench.commands.editSelected();
        Confirm(bench);
        QCOMPARE(bench.document.itemText(0), sixty.left(50));
    }

    void addDerivative() {
        GraphBench bench;
        bench.add("lg(x)");
        bench.add("x^2", 0xFF, true, 50, 3);
        bench.list->setCurrentRow(0);
        orvex::SetMessageHandler([](QWidget* parent, const QString& text) {
            Messages() << text
                       << QString::number(parent && parent->isEnabled()); // shown over enabled windows
        });
        bench.commands.addDerivative();
        QCOMPARE(Messages(), (QStringList{QStringLiteral("Error in formula."), QStringLiteral("1")}));
        QCOMPARE(bench.state(), QStringLiteral("lg(x), x^2 / 0 redraws / 2 windows enabled"));
        bench.list->setCurrentRow(1); // the command works again after a failure
        bench.commands.addDerivative();
        QCOMPARE(Editor(bench),
                 QStringLiteral("Добавить график производной | f`(x)= | 2*x | 0 | 0 | 0 | 1 | 200"));
        Confirm(bench);
        QCOMPARE(bench.state(), QStringLiteral("lg(x), x^2, 2*x / 1 redraws / 2 windows enabled"));
        QVERIFY((bench.document.record(2) == TGraphEntry{"2*x", 0, false, 200, 1}));
    }

    void fullTableRefusesNewGraphs() {
        GraphBench bench;
        for (int i = 0; i < 100; ++i)
            bench.add("x");
        bench.commands.addGraph(); // the 101st graph is still accepted
        Confirm(bench, QStringLiteral("x^2"));
        bench.list->setCurrentRow(100);
        bench.commands.addGraph();
        bench.commands.addDerivative();
        QCOMPARE(Messages(),
                 QStringList(
                     2, QStringLiteral("Список графиков заполнен: можно построить не более 101 графика.")));
        QCOMPARE(bench.document.count(), 101);
        QCOMPARE(bench.enabledWindows(), 2);
        bench.commands.editSelected(); // editing a graph of a full table is not adding one
        QVERIFY(bench.commands.editor()->isVisible());
    }
};

QTEST_MAIN(GraphCommandsTest)
#include "GraphCommandsTest.moc"
