// Undo and redo of every command on the graph list, the changed state that a save would lose, and the
// question that the commands discarding a changed list ask first.
#include "DocumentHistory.h"
#include "AppTestBench.h"
#include "TForm4.h"

#include <QMenu>

using orvex::DocumentHistory;
using orvex::GraphListState;
using orvex::TGraphEntry;
using orvex::testing::Answers;
using orvex::testing::Messages;

namespace {

const QString kSaveQuestion = QStringLiteral("? Список графиков изменён. Сохранить изменения?");
enum Answer { Save, Discard, Cancel };

// The graph commands over plain widgets with a history, and the file dialogs answered by `chosen`.
struct HistoryBench {
    QTemporaryDir dir;
    QWidget mainWindow;
    QWidget toolWindow;
    QListWidget* list = new QListWidget(&mainWindow);
    orvex::GraphDocument document{list};
    DocumentHistory history{&document};
    orvex::SettingsFile settings{dir.filePath(QStringLiteral("orxsettings.ini")).toStdString()};
    QString chosen; // what the next file dialog gives
    int redraws = 0;
    orvex::GraphCommands commands{{&mainWindow, &toolWindow, &document, &settings, [this] { ++redraws; },
                                   &history, [this](bool) { return chosen; }}};

    HistoryBench() { orvex::testing::CatchMessages(); }
    QString path(const QString& name) const { return dir.filePath(name); }

    void select(int row) { list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect); }
    void confirm(const QString& formula) {
        commands.editor()->formulaEdit()->setText(formula);
        QTest::mouseClick(commands.editor()->confirmButton(), Qt::LeftButton);
    }
    // Runs one step of a script: "add F", "edit I F", "derive I", "remove I", "check I", "new", "open NAME",
    // "save NAME", "undo", "redo".
    void run(const QString& step) {
        const QStringList words = step.split(' ');
        const QString& verb = words[0];
        if (verb == "add") {
            commands.addGraph();
            confirm(words[1]);
        } else if (verb == "edit") {
            select(words[1].toInt());
            commands.editSelected();
            confirm(words[2]);
        } else if (verb == "derive") {
            select(words[1].toInt());
            commands.addDerivative();
            QTest::mouseClick(commands.editor()->confirmButton(), Qt::LeftButton);
        } else if (verb == "remove") {
            select(words[1].toInt());
            commands.removeSelected();
        } else if (verb == "check") { // toggled by the user: no step of its own
            QListWidgetItem* item = list->item(words[1].toInt());
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        } else if (verb == "new") { // a changed list is let go
            Answers() = {Discard};
            commands.newDocument();
        } else if (verb == "open") {
            QVERIFY(commands.loadDocument(path(words[1])));
        } else if (verb == "save") {
            QVERIFY(commands.saveDocument(path(words[1])));
        } else if (verb == "undo") {
            commands.undo();
        } else if (verb == "redo") {
            commands.redo();
        }
    }
    // "text[-] colour quality lines width, …": the list with each record's fields; "-" for an unchecked item.
    QString state() const {
        QStringList items;
        for (const orvex::ListedGraph& g : document.state())
            items << QStringLiteral("%1%2 %3 %4 %5 %6")
                         .arg(QString::fromStdString(g.itemText), g.checked ? "" : "-")
                         .arg(g.entry.Color)
                         .arg(g.entry.Quality)
                         .arg(g.entry.DrawLines)
                         .arg(g.entry.LineWidth);
        return items.join(QStringLiteral(", "));
    }
};

void WriteDocument(const QString& path, const std::vector<TGraphEntry>& entries) {
    orvex::testing::WriteAll(path, QByteArray::fromStdString(orvex::EncodeDocument(entries)));
}

} // namespace

class DocumentHistoryTest : public QObject {
    Q_OBJECT

  private slots:
    // Each command is one step: undoing the script step by step passes back through every list it went
    // through, check marks included, and redoing passes forward again.
    void undoAndRedoEveryCommand() {
        HistoryBench bench;
        WriteDocument(bench.path("two.orx"), {TGraphEntry{"x", 0xFF, 1, 50, 3}, TGraphEntry{"-x"}});
        const QStringList script = {"add x^2",  "add sin(x)", "check 0",      "edit 1 cos(x)",
                                    "derive 0", "remove 1",   "open two.orx", "check 1",
                                    "add 1/x",  "new",        "add sqrt(x)"};
        QStringList states{bench.state()};
        for (const QString& step : script) {
            bench.run(step);
            // A toggled check mark belongs to the step in force, so it replaces that step's list.
            if (step.startsWith("check"))
                states.back() = bench.state();
            else
                states << bench.state();
        }
        QCOMPARE(states.size(), 10);
        for (int i = states.size() - 2; i >= 0; --i) {
            bench.run("undo");
            QCOMPARE(bench.state(), states[i]);
        }
        QVERIFY(!bench.history.canUndo());
        for (int i = 1; i < states.size(); ++i) {
            bench.run("redo");
            QCOMPARE(bench.state(), states[i]);
        }
        QVERIFY(!bench.history.canRedo());
        // A new command after an undo drops what could have been redone.
        bench.run("undo");
        bench.run("add x^3");
        QVERIFY(!bench.history.canRedo());
        QVERIFY(bench.state().endsWith(QStringLiteral("x^3 0 100 0 1")));
    }

    // Undone records are the same bytes; a replaced record keeps its item text as the list showed it.
    void undoRestoresRecordsExactly() {
        HistoryBench bench;
        const QString typed = QString(60, 'x'); // the item keeps the text as typed, the record 50 characters
        bench.run("add " + typed);
        const GraphListState before = bench.document.state();
        bench.run("edit 0 x^2");
        bench.run("undo");
        QCOMPARE(bench.document.state(), before);
        QCOMPARE(bench.document.itemText(0), typed);
    }

    void atLeastTwoHundredSteps() {
        HistoryBench bench;
        for (int i = 0; i < 250; ++i) {
            bench.document.append(TGraphEntry{"x"}, QStringLiteral("x"));
            bench.history.commit();
            if (bench.document.count() == 100)
                bench.document.clear();
        }
        int undone = 0;
        while (bench.history.undo())
            ++undone;
        QCOMPARE(undone, static_cast<int>(DocumentHistory::kMaxSteps));
    }

    // Changed: what a save writes differs from what was last saved or opened.
    void changedState_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QString>("changed"); // one digit per step
        QTest::newRow("add, save, edit, undo to the saved list")
            << QStringList{"add x", "save a.orx", "edit 0 x^2", "undo", "redo"} << "10101";
        QTest::newRow("a check mark is not saved") << QStringList{"add x", "save a.orx", "check 0"} << "100";
        QTest::newRow("open and new start afresh")
            << QStringList{"add x", "save a.orx", "remove 0", "open a.orx", "add y", "new", "undo"}
            << "1010101";
        QTest::newRow("an edit that changes nothing")
            << QStringList{"add x", "save a.orx", "edit 0 x"} << "100";
    }
    void changedState() {
        QFETCH(QStringList, script);
        QFETCH(QString, changed);
        HistoryBench bench;
        QString seen;
        for (const QString& step : script) {
            bench.run(step);
            seen += bench.history.isModified() ? '1' : '0';
        }
        QCOMPARE(seen, changed);
    }

    // "Создать" and "Открыть" ask about a changed list: "save" saves first and goes on only when it saved,
    // "don't save" goes on, cancel keeps everything. An unchanged list is never asked about.
    void questionBeforeDiscarding_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs"); // the name the save dialog gives ("" = cancelled)
        QTest::addColumn<bool>("goesOn");
        for (const char* command : {"new", "open"}) {
            QTest::addRow("%s: save", command) << command << int(Save) << "saved.orx" << true;
            QTest::addRow("%s: save, dialog cancelled", command) << command << int(Save) << "" << false;
            QTest::addRow("%s: save fails", command)
                << command << int(Save) << "no/such/folder/a.orx" << false;
            QTest::addRow("%s: don't save", command) << command << int(Discard) << "" << true;
            QTest::addRow("%s: cancel", command) << command << int(Cancel) << "" << false;
        }
    }
    void questionBeforeDiscarding() {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, goesOn);
        HistoryBench bench;
        WriteDocument(bench.path("other.orx"), {TGraphEntry{"-x"}});
        bench.run("add x^2");
        Answers() = {answer};
        bench.chosen = saveAs.isEmpty() ? QString() : bench.path(saveAs);
        if (command == "new") {
            bench.commands.newDocument();
        } else {
            // the open dialog, after the question, gives other.orx
            bench.commands.setFileChooser([&bench, &saveAs](bool save) {
                return save ? (saveAs.isEmpty() ? QString() : bench.path(saveAs)) : bench.path("other.orx");
            });
            bench.commands.openDocument();
        }
        QCOMPARE(Messages().value(0), kSaveQuestion);
        const QString after = command == "new" ? QString() : QStringLiteral("-x 0 100 0 1");
        QCOMPARE(bench.state(), goesOn ? after : QStringLiteral("x^2 0 100 0 1"));
        QCOMPARE(QFile::exists(bench.path("saved.orx")), answer == Save && goesOn);
        if (saveAs.startsWith("no/"))
            QVERIFY(Messages().value(1).startsWith(QStringLiteral("Cannot create file")));
        // Afterwards the list is unchanged (opened, new or saved) or still changed (kept).
        QCOMPARE(bench.history.isModified(), !goesOn);
        Messages().clear();
        bench.commands.newDocument(); // an unchanged list: no question
        QCOMPARE(Messages().isEmpty(), goesOn);
    }

    // In the window: the keys, the places in "Построение", and the question on closing.
    void windowCommandsAndClosing() {
        orvex::testing::MainWindowBench bench;
        orvex::TForm1& form = bench.form();
        QAction* undo = form.actions()["Undo"];
        QAction* redo = form.actions()["Redo"];
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(undo->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Backspace));
        QCOMPARE(redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
        const QList<QAction*> build = form.findChild<QMenu*>(QStringLiteral("BuildMenu"))->actions();
        QCOMPARE(build.mid(build.size() - 3), (QList<QAction*>{build[build.size() - 3], undo, redo}));
        QVERIFY(build[build.size() - 3]->isSeparator());

        form.document().append(TGraphEntry{"x"}, QStringLiteral("x"));
        form.history().commit();
        form.graphList()->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        form.plotArea()->setFocus();
        QTest::keyClick(form.plotArea(), Qt::Key_Delete);
        QCOMPARE(form.document().count(), 0);
        QTest::keyClick(form.plotArea(), Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(form.document().count(), 1);
        QVERIFY(redo->isEnabled());
        QTest::keyClick(form.plotArea(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(form.document().count(), 0);
        QTest::keyClick(form.plotArea(), Qt::Key_Backspace, Qt::AltModifier);

        // Ctrl+Q with the changed list: cancel keeps the window, "don't save" closes it.
        Answers() = {Cancel};
        QTest::keyClick(form.plotArea(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(Messages().value(0), kSaveQuestion);
        QVERIFY(form.isVisible());
        Answers() = {Discard};
        form.actions()["FileExit1"]->trigger();
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(DocumentHistoryTest)
#include "DocumentHistoryTest.moc"
