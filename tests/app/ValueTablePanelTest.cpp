// The panel "Таблица значений" in the main window: Shift+F9 shows it, it follows the chosen graph or the
// checked ones and the picture's x range and grid step until a field is typed in, the derivative columns
// and their titles, the limits of a range, copying chosen cells (not with Ctrl+C, the view command) and
// saving CSV, a failed save leaving the old file as it was.
#include "ValueTablePanel.h"
#include "AppTestBench.h"
#include "Cp1251.h"
#include "TableExport.h"
#include "ValueTable.h"
#include "ValueTableModel.h"

#include "../app/core/ChildProcess.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTableView>

#include <cstring>

using orvex::TGraphEntry;
using orvex::ValueTablePanel;
using orvex::testing::MainWindowBench;
using orvex::testing::Messages;
using orvex::testing::ReadAll;
using orvex::testing::WriteAll;

namespace {

void Add(MainWindowBench& bench, const QString& formula) {
    QVERIFY(bench.form().document().append(TGraphEntry{orvex::Utf8ToCp1251(formula.toStdString())}, formula));
}

// Shows the panel over these graphs.
ValueTablePanel& Open(MainWindowBench& bench, const QStringList& formulas) {
    for (const QString& formula : formulas)
        Add(bench, formula);
    bench.apply();
    QTest::keyClick(&bench.form(), Qt::Key_F9, Qt::ShiftModifier);
    return *bench.form().valueTablePanel();
}

// Types into a field as a user does.
void Type(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}

QString Fields(const ValueTablePanel& panel) {
    return QStringList{panel.fromField()->text(), panel.toField()->text(), panel.stepField()->text()}.join(
        ' ');
}

QString Titles(const ValueTablePanel& panel) {
    return panel.model().titles().join(" | ");
}

// A column of the table, its cells joined by blanks.
QString Column(const ValueTablePanel& panel, int column) {
    QStringList cells;
    for (int row = 0; row < panel.model().rowCount(); ++row)
        cells << panel.model().index(row, column).data().toString();
    return cells.join(' ');
}

} // namespace

class ValueTablePanelTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheChosenOrTheCheckedGraphs() {
        MainWindowBench bench;
        ValueTablePanel* panel = bench.form().valueTablePanel();
        QVERIFY(!panel->isVisible()); // a user who does not ask for it never sees it
        Open(bench, {"x^2", "lg(x)"});
        QVERIFY(panel->isVisible());
        QVERIFY(bench.form().actions()["ValueTable"]->isChecked());
        QCOMPARE(panel->note()->text(), QStringLiteral("Выберите график в списке графиков."));
        QCOMPARE(panel->model().rowCount(), 0);

        bench.chooseGraph(0);
        QCOMPARE(Fields(*panel), QStringLiteral("-5 5 1")); // the view's range and its grid step
        QCOMPARE(Titles(*panel), QStringLiteral("x | x^2"));
        QCOMPARE(Column(*panel, 0), QStringLiteral("-5 -4 -3 -2 -1 0 1 2 3 4 5"));
        QCOMPARE(Column(*panel, 1), QStringLiteral("25 16 9 4 1 0 1 4 9 16 25"));
        QCOMPARE(panel->note()->text(), QStringLiteral("Строк: 11"));

        panel->derivativeBox()->setChecked(true);
        QCOMPARE(Titles(*panel), QStringLiteral("x | x^2 | (x^2)' = 2*x"));
        QCOMPARE(Column(*panel, 2), QStringLiteral("-10 -8 -6 -4 -2 0 2 4 6 8 10"));

        // Every checked graph; lg has no value left of 0 and its derivative is numeric.
        panel->graphsBox()->setCurrentIndex(static_cast<int>(ValueTablePanel::Graphs::Checked));
        QCOMPARE(Titles(*panel), QStringLiteral("x | x^2 | (x^2)' = 2*x | lg(x) | (lg(x))', численно"));
        QCOMPARE(Column(*panel, 3), QStringLiteral("      0 0.301029995663981 0.477121254719662 "
                                                   "0.602059991327962 0.698970004336019"));
        QVERIFY(
            panel->model().headerData(4, Qt::Horizontal, Qt::ToolTipRole).toString().contains("численно"));
        bench.form().graphList()->item(0)->setCheckState(Qt::Unchecked);
        bench.waitForPicture();
        QCOMPARE(Titles(*panel), QStringLiteral("x | lg(x) | (lg(x))', численно"));

        QTest::keyClick(&bench.form(), Qt::Key_F9, Qt::ShiftModifier);
        QVERIFY(!panel->isVisible());
        QVERIFY(Messages().isEmpty());
    }

    void followsTheViewUntilAFieldIsTyped() {
        MainWindowBench bench;
        ValueTablePanel& panel = Open(bench, {"x"});
        bench.chooseGraph(0);
        bench.setLimits("0 20 -5 5");
        bench.params().edit1()->setText("4");
        bench.apply();
        QCOMPARE(Fields(panel), QStringLiteral("0 20 5"));
        QCOMPARE(panel.model().rowCount(), 5);

        Type(panel.stepField(), "2.5");
        QCOMPARE(panel.model().rowCount(), 9);
        QVERIFY(!panel.followsView());
        bench.setLimits("-1 1 -5 5");
        bench.apply();
        QCOMPARE(Fields(panel), QStringLiteral("0 20 2.5")); // the user's range stays

        QTest::mouseClick(panel.findChild<QPushButton*>("TableFollowView"), Qt::LeftButton);
        QCOMPARE(Fields(panel), QStringLiteral("-1 1 0.5"));
        QVERIFY(panel.followsView());
    }

    void rangeLimits_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("note");
        QTest::newRow("zero step") << "0 1 0"
                                   << "Шаг не может быть равен нулю.";
        QTest::newRow("away") << "0 1 -1"
                              << "Шаг ведёт в сторону от значения «до».";
        QTest::newRow("too many") << "0 1000000 1"
                                  << "Больше 1 000 000 строк: увеличьте шаг или сузьте диапазон.";
        QTest::newRow("not a number") << "0 1 1,5"
                                      << "В поле «шаг» не число.";
        QTest::newRow("a million") << "0 999999 1"
                                   << "Строк: 1000000";
    }
    void rangeLimits() {
        QFETCH(QString, fields);
        QFETCH(QString, note);
        MainWindowBench bench;
        ValueTablePanel& panel = Open(bench, {"x^2"});
        bench.chooseGraph(0);
        Type(panel.fromField(), fields.section(' ', 0, 0));
        Type(panel.toField(), fields.section(' ', 1, 1));
        Type(panel.stepField(), fields.section(' ', 2, 2));
        QCOMPARE(panel.note()->text(), note);
        if (!note.startsWith("Строк")) {
            QCOMPARE(panel.model().rowCount(), 0);
            QVERIFY(!panel.saveButton()->isEnabled());
            return;
        }
        // A million rows, each computed when it is shown.
        QCOMPARE(panel.model().rowCount(), 1000000);
        panel.tableView()->scrollToBottom();
        QCOMPARE(panel.model().index(999999, 1).data().toString(), QStringLiteral("999998000001"));
    }

    // Chosen cells go to the clipboard as tab-separated text through the button, the context menu's
    // command and Ctrl+Insert; Ctrl+C stays the view command.
    void copiesChosenCells() {
        MainWindowBench bench;
        ValueTablePanel& panel = Open(bench, {"x^2"});
        bench.chooseGraph(0);
        panel.derivativeBox()->setChecked(true);
        QGuiApplication::clipboard()->setText("old");
        QVERIFY(!panel.copyButton()->isEnabled());
        QItemSelectionModel* selection = panel.tableView()->selectionModel();
        const auto& model = panel.model();
        selection->select(QItemSelection(model.index(6, 0), model.index(7, 2)), QItemSelectionModel::Select);
        QVERIFY(panel.copyButton()->isEnabled());
        QTest::mouseClick(panel.copyButton(), Qt::LeftButton);
        panel.waitForExport();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1\t1\t2\n2\t4\t4\n"));

        // Whole columns come with their titles.
        selection->clearSelection();
        panel.tableView()->selectColumn(1);
        panel.tableView()->setFocus();
        QTest::keyClick(panel.tableView(), Qt::Key_Insert, Qt::ControlModifier);
        panel.waitForExport();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("x^2\n25\n16\n9\n4\n1\n0\n1\n4\n9\n16\n25\n"));

        QGuiApplication::clipboard()->setText("old");
        QTest::keyClick(panel.tableView(), Qt::Key_C, Qt::ControlModifier);
        bench.waitForPicture();
        QCOMPARE(bench.limits(), QStringLiteral("-4 6 -5 5"));
        panel.waitForExport();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("old"));
    }

    // CSV in UTF-8, ";" between fields under a decimal comma, in place of an older file.
    void savesCsv() {
        MainWindowBench bench;
        orvex::SetDecimalSeparator(',');
        ValueTablePanel& panel = Open(bench, {"x^2", "у"}); // a Cyrillic letter: no value anywhere
        panel.graphsBox()->setCurrentIndex(static_cast<int>(ValueTablePanel::Graphs::Checked));
        panel.derivativeBox()->setChecked(true);
        Type(panel.fromField(), "0");
        Type(panel.toField(), "1");
        Type(panel.stepField(), "0,5");
        QTemporaryDir dir;
        const QString path = dir.filePath("table.csv");
        WriteAll(path, "old");
        panel.saveCsv(path);
        panel.waitForExport();
        QCOMPARE(QString::fromUtf8(ReadAll(path)),
                 QStringLiteral("x;x^2;(x^2)' = 2*x;у;(у)', численно\n0;0;0;;\n0,5;0,25;1;;\n1;1;2;;\n"));
        QVERIFY(panel.note()->text().endsWith("Сохранено: table.csv"));
        QVERIFY(Messages().isEmpty());
    }

    void failedSaveKeepsTheOldFile() {
        MainWindowBench bench;
        ValueTablePanel& panel = Open(bench, {"x"});
        bench.chooseGraph(0);
        QTemporaryDir dir;
        const QString missing = dir.filePath("no/such/folder/table.csv");
        panel.saveCsv(missing);
        panel.waitForExport();
        QCOMPARE(Messages().size(), 1);
        QVERIFY(
            Messages().constFirst().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(missing)));

        // A write that fails part way (past a file-size limit, as on a full disk, in a child process).
        const QString path = dir.filePath("old.csv");
        WriteAll(path, "old table");
        const QString expected = QStringLiteral("Cannot create file \"%1\". %2")
                                     .arg(path, QString::fromLocal8Bit(std::strerror(EFBIG)));
        const int code = orvex::testing::RunInChild([&] {
            orvex::testing::LimitFileSize(100000);
            const orvex::ValueTable table({0, 99999, 1}, {"x"}, false, '.');
            try {
                (void)orvex::WriteCsvFile(table, {"x", "x"}, path);
            } catch (const std::exception& e) {
                return QString::fromUtf8(e.what()) == expected ? 0 : 2;
            }
            return 1;
        });
        QCOMPARE(code, 0);
        QCOMPARE(ReadAll(path), QByteArray("old table"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.csv"});
    }
};

QTEST_MAIN(ValueTablePanelTest)
#include "ValueTablePanelTest.moc"
