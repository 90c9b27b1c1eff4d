// The graph commands on real windows: the editor opened by each command, what confirming stores, the
// blocking of the main and build-parameters windows, removal, the derivative and the table's capacity.
#include "ColorBox.h"
#include "GraphTestBench.h"
#include "TForm4.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

using orvex::TForm4;
using orvex::testing::GraphTestBench;
using orvex::testing::Messages;

namespace {

void confirm(TForm4* editor) {
    QTest::mouseClick(editor->confirmButton(), Qt::LeftButton);
}

void typeFormula(TForm4* editor, const QString& text) {
    editor->formulaEdit()->clear();
    QTest::keyClicks(editor->formulaEdit(), text);
}

void doubleClickItem(QListWidget* list, int row) {
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

const QString kFull = QString::fromUtf8("Список графиков заполнен: можно построить не более 101 графика.");

} // namespace

class GraphCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void addGraph();
    void addGraphOffersStoredQuality_data();
    void addGraphOffersStoredQuality();
    void editByDoubleClick();
    void editTicksUncheckedGraph();
    void removeSecondOfThree();
    void removeWithoutSelection();
    void newDocument();
    void emptyFormulaLeavesEditorOpen();
    void closeButtonWritesNothing();
    void longFormula();
    void addDerivative();
    void derivativeWithoutSelection();
    void derivativeFailure();
    void fullTableRefusesNewGraphs();
};

void GraphCommandsTest::addGraph() {
    GraphTestBench bench;
    bench.addRecord("x");
    bench.commands->addGraph();
    TForm4* editor = bench.commands->editor();
    QVERIFY(editor->isVisible());
    QVERIFY(bench.windowsDisabled());
    QCOMPARE(editor->windowTitle(), QString::fromUtf8("Добавить график"));
    QCOMPARE(editor->formulaLabel()->text(), QStringLiteral("f(x)="));
    QVERIFY(editor->formulaEdit()->text().isEmpty());
    QCOMPARE(editor->colorBox()->selectedValue(), 0u);
    QCOMPARE(editor->qualityBar()->value(), 100);
    QVERIFY(!editor->linesBox()->isChecked());
    QVERIFY(!editor->widthEdit()->isEnabled());
    QCOMPARE(editor->widthEdit()->value(), 1);

    typeFormula(editor, QStringLiteral("sin(x)"));
    editor->colorBox()->setSelectedValue(0x0000FF);
    editor->linesBox()->setChecked(true);
    editor->widthEdit()->setValue(2);
    editor->qualityBar()->setValue(60);
    confirm(editor);

    QVERIFY(!editor->isVisible());
    QVERIFY(bench.windowsEnabled());
    QCOMPARE(bench.redraws, 1);
    QCOMPARE(bench.document.count(), 2);
    QCOMPARE(bench.document.itemText(1), QStringLiteral("sin(x)"));
    QVERIFY(bench.document.isChecked(1));
    const orvex::TGraphEntry& added = bench.document.record(1);
    QCOMPARE(added.Formula, std::string("sin(x)"));
    QCOMPARE(added.Color, 0x0000FFu);
    QVERIFY(added.DrawLines);
    QCOMPARE(added.LineWidth, 2);
    QCOMPARE(added.Quality, 60);
    QCOMPARE(bench.document.record(0).Formula, std::string("x")); // the first graph is untouched
}

void GraphCommandsTest::addGraphOffersStoredQuality_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("offered");
    QTest::newRow("37") << "37" << 37;
    QTest::newRow("above the track bar") << "500" << 200;
    QTest::newRow("below the track bar") << "0" << 1;
    QTest::newRow("not a number") << "many" << 100;
}

void GraphCommandsTest::addGraphOffersStoredQuality() {
    QFETCH(QString, stored);
    QFETCH(int, offered);
    GraphTestBench bench;
    bench.commands->addGraph();
    QCOMPARE(bench.commands->editor()->qualityBar()->value(), 100);
    bench.commands->editor()->close();
    // Read again by every add-graph command.
    bench.settings.writeString("Quality", "Graph", stored.toStdString());
    bench.commands->addGraph();
    QCOMPARE(bench.commands->editor()->qualityBar()->value(), offered);
}

void GraphCommandsTest::editByDoubleClick() {
    GraphTestBench bench;
    connect(bench.list, &QListWidget::itemDoubleClicked, bench.commands.get(),
            &orvex::GraphCommands::editSelected);
    bench.addRecord("x^2", 0x00FF00, true, 70, 3);
    bench.addRecord("cos(x)");
    doubleClickItem(bench.list, 0);

    TForm4* editor = bench.commands->editor();
    QVERIFY(editor->isVisible());
    QVERIFY(bench.windowsDisabled());
    QCOMPARE(editor->windowTitle(), QString::fromUtf8("Изменить график"));
    QCOMPARE(editor->formulaLabel()->text(), QStringLiteral("f(x)="));
    QCOMPARE(editor->formulaEdit()->text(), QStringLiteral("x^2"));
    QVERIFY(editor->linesBox()->isChecked());
    QVERIFY(editor->widthEdit()->isEnabled());
    QCOMPARE(editor->widthEdit()->value(), 3);
    QCOMPARE(editor->colorBox()->selectedValue(), 0x00FF00u);
    QCOMPARE(editor->qualityBar()->value(), 70);

    typeFormula(editor, QStringLiteral("x^3"));
    editor->linesBox()->setChecked(false);
    confirm(editor);
    QVERIFY(bench.windowsEnabled());
    QCOMPARE(bench.redraws, 1);
    QCOMPARE(bench.document.count(), 2); // replaced, not appended
    QCOMPARE(bench.document.itemText(0), QStringLiteral("x^3"));
    QCOMPARE(bench.document.record(0).Formula, std::string("x^3"));
    QVERIFY(!bench.document.record(0).DrawLines);
    QCOMPARE(bench.document.record(0).LineWidth, 3); // kept while the field was disabled
    QCOMPARE(bench.document.record(1).Formula, std::string("cos(x)"));
}

void GraphCommandsTest::editTicksUncheckedGraph() {
    GraphTestBench bench;
    bench.addRecord("x");
    bench.list->item(0)->setCheckState(Qt::Unchecked);
    bench.list->setCurrentRow(0);
    bench.commands->editSelected();
    confirm(bench.commands->editor());
    QVERIFY(bench.document.isChecked(0));
}

void GraphCommandsTest::removeSecondOfThree() {
    GraphTestBench bench;
    bench.addRecord("a", 1, true, 10, 4);
    bench.addRecord("b", 2);
    bench.addRecord("c", 3, false, 30, 5);
    bench.list->item(2)->setCheckState(Qt::Unchecked);
    bench.list->setCurrentRow(1);
    bench.commands->removeSelected();
    QCOMPARE(bench.redraws, 1);
    QCOMPARE(bench.document.count(), 2);
    QCOMPARE(bench.document.itemText(0), QStringLiteral("a"));
    QCOMPARE(bench.document.itemText(1), QStringLiteral("c"));
    QCOMPARE(bench.document.record(1).Color, 3u);
    QCOMPARE(bench.document.record(1).Quality, 30);
    QCOMPARE(bench.document.record(1).LineWidth, 5);
    QVERIFY(bench.document.isChecked(0));
    QVERIFY(!bench.document.isChecked(1)); // the check mark moved with its graph
}

void GraphCommandsTest::removeWithoutSelection() {
    GraphTestBench bench;
    bench.commands->removeSelected(); // empty list
    bench.addRecord("a");
    bench.list->setCurrentRow(-1);
    bench.commands->removeSelected();
    QCOMPARE(bench.document.count(), 1);
    QCOMPARE(bench.redraws, 0);
}

void GraphCommandsTest::newDocument() {
    GraphTestBench bench;
    bench.addRecord("a");
    bench.addRecord("b");
    bench.commands->newDocument();
    QCOMPARE(bench.document.count(), 0);
    QCOMPARE(bench.redraws, 1);
}

void GraphCommandsTest::emptyFormulaLeavesEditorOpen() {
    GraphTestBench bench;
    bench.commands->addGraph();
    confirm(bench.commands->editor());
    QVERIFY(bench.commands->editor()->isVisible());
    QVERIFY(bench.windowsDisabled());
    QCOMPARE(bench.document.count(), 0);
    QCOMPARE(bench.redraws, 0);
}

void GraphCommandsTest::closeButtonWritesNothing() {
    GraphTestBench bench;
    bench.addRecord("a", 5);
    bench.list->setCurrentRow(0);
    bench.commands->editSelected();
    TForm4* editor = bench.commands->editor();
    typeFormula(editor, QStringLiteral("b"));
    editor->colorBox()->setSelectedValue(0xFF);
    editor->close();
    QVERIFY(bench.windowsEnabled());
    QCOMPARE(bench.document.record(0).Formula, std::string("a"));
    QCOMPARE(bench.document.record(0).Color, 5u);
    QCOMPARE(bench.redraws, 0);
}

void GraphCommandsTest::longFormula() {
    GraphTestBench bench;
    const QString sixty = QStringLiteral("x+").repeated(29) + QStringLiteral("10");
    bench.commands->addGraph();
    typeFormula(bench.commands->editor(), sixty);
    confirm(bench.commands->editor());
    QCOMPARE(bench.document.record(0).Formula, sixty.left(50).toStdString());
    QCOMPARE(bench.document.itemText(0), sixty);

    bench.list->setCurrentRow(0);
    bench.commands->editSelected();
    QCOMPARE(bench.commands->editor()->formulaEdit()->text(), sixty.left(50));
    confirm(bench.commands->editor());
    QCOMPARE(bench.document.itemText(0), sixty.left(50));
}

void GraphCommandsTest::addDerivative() {
    GraphTestBench bench;
    bench.addRecord("x", 0xFF, true, 50, 3);
    bench.addRecord("x^2", 0xFF, true, 50, 3);
    bench.addRecord("x^3");
    bench.list->setCurrentRow(1);
    bench.commands->addDerivative();

    TForm4* editor = bench.commands->editor();
    QVERIFY(editor->isVisible());
    QVERIFY(bench.windowsDisabled());
    QCOMPARE(editor->windowTitle(), QString::fromUtf8("Добавить график производной"));
    QCOMPARE(editor->formulaLabel()->text(), QStringLiteral("f`(x)="));
    QCOMPARE(editor->formulaEdit()->text(), QStringLiteral("2*x"));
    QCOMPARE(bench.commands->derivText(), QStringLiteral("2*x"));
    QCOMPARE(editor->qualityBar()->value(), 200);
    QCOMPARE(editor->colorBox()->selectedValue(), 0u);
    QVERIFY(!editor->linesBox()->isChecked());
    QVERIFY(!editor->widthEdit()->isEnabled());
    QCOMPARE(editor->widthEdit()->value(), 1);

    confirm(editor);
    QVERIFY(bench.windowsEnabled());
    QCOMPARE(bench.document.count(), 4);
    QCOMPARE(bench.document.itemText(3), QStringLiteral("2*x"));
    QVERIFY(bench.document.isChecked(3));
    QCOMPARE(bench.document.record(3).Quality, 200);
    QCOMPARE(bench.document.record(1).Formula, std::string("x^2"));
    QCOMPARE(bench.redraws, 1);
}

void GraphCommandsTest::derivativeWithoutSelection() {
    GraphTestBench bench;
    bench.commands->addDerivative(); // empty list
    bench.addRecord("x^2");
    bench.list->setCurrentRow(-1);
    bench.commands->addDerivative();
    QVERIFY(!bench.commands->editor()->isVisible());
    QVERIFY(bench.windowsEnabled());
    QVERIFY(Messages().isEmpty());
}

void GraphCommandsTest::derivativeFailure() {
    GraphTestBench bench;
    bench.addRecord("lg(x)");
    bench.list->setCurrentRow(0);
    bool enabledWhenShown = false;
    orvex::SetMessageHandler([](QWidget* parent, const QString& text) {
        Messages().append(text);
        Messages().append(parent && parent->isEnabled() ? QStringLiteral("enabled")
                                                        : QStringLiteral("disabled"));
    });
    bench.commands->addDerivative();
    orvex::SetMessageHandler(&orvex::testing::CollectMessage);
    enabledWhenShown = Messages().value(1) == QStringLiteral("enabled");
    QCOMPARE(Messages().value(0), QStringLiteral("Error in formula."));
    QVERIFY(enabledWhenShown);
    QVERIFY(!bench.commands->editor()->isVisible());
    QVERIFY(bench.windowsEnabled());
    QCOMPARE(bench.document.count(), 1);

    // The component is usable again after a failure.
    Messages().clear();
    bench.addRecord("x^2");
    bench.list->setCurrentRow(1);
    bench.commands->addDerivative();
    QVERIFY(Messages().isEmpty());
    QCOMPARE(bench.commands->editor()->formulaEdit()->text(), QStringLiteral("2*x"));
}

void GraphCommandsTest::fullTableRefusesNewGraphs() {
    GraphTestBench bench;
    for (int i = 0; i < 100; ++i)
        bench.addRecord("x");
    // The 101st graph is still accepted.
    bench.commands->addGraph();
    typeFormula(bench.commands->editor(), QStringLiteral("x^2"));
    confirm(bench.commands->editor());
    QCOMPARE(bench.document.count(), 101);
    QVERIFY(Messages().isEmpty());

    bench.commands->addGraph();
    QCOMPARE(Messages(), QStringList{kFull});
    QVERIFY(!bench.commands->editor()->isVisible());
    QVERIFY(bench.windowsEnabled());

    Messages().clear();
    bench.list->setCurrentRow(100);
    bench.commands->addDerivative();
    QCOMPARE(Messages(), QStringList{kFull});
    QVERIFY(!bench.commands->editor()->isVisible());
    QVERIFY(bench.windowsEnabled());
    QCOMPARE(bench.document.count(), 101);

    // Editing a graph of a full table is not adding one.
    Messages().clear();
    bench.commands->editSelected();
    QVERIFY(bench.commands->editor()->isVisible());
    confirm(bench.commands->editor());
    QVERIFY(Messages().isEmpty());
}

QTEST_MAIN(GraphCommandsTest)
#include "GraphCommandsTest.moc"
