// The recovery file: kept in step with a changed list, gone once the list is saved, discarded or closed
// cleanly; left behind by a program that died, and offered (only then) at the next start.
#include "AppTestBench.h"
#include "DocumentHistory.h"
#include "RecoveryStore.h"

#include "core/ChildProcess.h"

#include <QDir>

using orvex::GraphListState;
using orvex::RecoveryStore;
using orvex::TGraphEntry;
using orvex::testing::Answers;
using orvex::testing::Messages;

namespace {

GraphListState Graphs(std::initializer_list<const char*> formulas) {
    GraphListState out;
    for (const char* f : formulas)
        out.push_back({TGraphEntry{f, 0xFF, 1, 100, 2}, f, std::string_view(f) != "x"});
    return out;
}

// A program that writes its recovery file and dies without cleaning up, as a crash does.
void LeaveBehind(const QString& folder, const GraphListState& graphs) {
    QCOMPARE(orvex::testing::RunInChild([&] {
                 RecoveryStore store(folder);
                 store.write(graphs);
                 return 0;
             }),
             0);
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

  private slots:
    void folderFollowsXdgStateHome() {
        qputenv("XDG_STATE_HOME", "/tmp/state");
        QCOMPARE(orvex::DefaultRecoveryFolder(), QStringLiteral("/tmp/state/orvex"));
        qputenv("XDG_STATE_HOME", "relative"); // not absolute: ignored
        QCOMPARE(orvex::DefaultRecoveryFolder(), QDir::home().filePath(QStringLiteral(".local/state/orvex")));
        qunsetenv("XDG_STATE_HOME");
    }

    // Only files of programs that no longer run are offered, the newest first; a running program's file
    // never is, and an unreadable one is removed.
    void leftoversOfDeadProgramsOnly() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("orvex"));
        RecoveryStore running(folder);
        running.write(Graphs({"x"}));
        RecoveryStore me(folder);
        QVERIFY(!me.takeLeftover()); // the other one is alive

        LeaveBehind(folder, Graphs({"sin(x)"}));
        QTest::qWait(20); // file times are compared
        LeaveBehind(folder, Graphs({"x^2", "x"}));
        orvex::testing::WriteAll(QDir(folder).filePath(QStringLiteral("recovery-1-1.orxr")), "garbage");

        std::optional<RecoveryStore::Leftover> newest = me.takeLeftover();
        QVERIFY(newest);
        QCOMPARE(newest->graphs, Graphs({"x^2", "x"}));
        me.finish(*newest);
        std::optional<RecoveryStore::Leftover> older = me.takeLeftover();
        QVERIFY(older);
        QCOMPARE(older->graphs, Graphs({"sin(x)"}));
        me.finish(*older);
        QVERIFY(!me.takeLeftover());
        // What stays: the running program's file and lock, and my own lock; the dead programs' locks and
        // the unreadable file are gone.
        QCOMPARE(FilesIn(folder).size(), 3);
        QVERIFY(FilesIn(folder).contains(QFileInfo(running.path()).fileName()));
    }

    // A write that fails part-way (a full disk) keeps the last complete recovery file and throws nothing.
    void failedWriteKeepsTheLastFile() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("orvex"));
        GraphListState many;
        for (int i = 0; i < 100; ++i)
            many.push_back({TGraphEntry{"sin(x)+x^2"}, "sin(x)+x^2", true});
        QCOMPARE(orvex::testing::RunInChild([&] {
                     RecoveryStore store(folder);
                     store.write(Graphs({"x^2"}));
                     const QByteArray before = orvex::testing::ReadAll(store.path());
                     orvex::testing::LimitFileSize(static_cast<rlim_t>(before.size()) + 64);
                     store.write(many);
                     return orvex::testing::ReadAll(store.path()) == before ? 0 : 1;
                 }),
                 0);
    }

    // In the window: the file follows the list's changed state.
    void followsTheChangedState() {
        orvex::testing::MainWindowBench bench;
        orvex::TForm1& form = bench.form();
        const QString path = form.recovery().path();
        QVERIFY(!QFile::exists(path));
        form.document().append(TGraphEntry{"x^2"}, QStringLiteral("x^2"));
        form.history().commit();
        QVERIFY(QFile::exists(path));
        form.graphList()->item(0)->setCheckState(Qt::Unchecked); // the check marks are kept as well
        const QByteArray bytes = orvex::testing::ReadAll(path);
        const auto kept = orvex::DecodeRecovery(bytes.toStdString());
        QVERIFY(kept && *kept == form.document().state() && !kept->front().checked);

        QTemporaryDir dir;
        QVERIFY(form.graphCommands().saveDocument(dir.filePath(QStringLiteral("a.orx"))));
        QVERIFY(!QFile::exists(path)); // saved
        form.history().undo();
        QVERIFY(QFile::exists(path)); // changed again
        form.history().redo();
        QVERIFY(!QFile::exists(path)); // back at the saved list

        form.history().undo();
        Answers() = {1}; // "Не сохранять"
        form.close();
        QVERIFY(!form.isVisible());
        QVERIFY(!QFile::exists(path)); // closed cleanly
    }

    // The next start offers what a dead program left: restored, it is a changed list of this program.
    void offeredAtStart_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("restore") << 0;
        QTest::newRow("don't restore") << 1;
    }
    void offeredAtStart() {
        QFETCH(int, answer);
        orvex::testing::MainWindowBench bench;
        orvex::TForm1& form = bench.form();
        const QString folder = orvex::DefaultRecoveryFolder();
        const GraphListState left = Graphs({"x", "sin(x)"});
        LeaveBehind(folder, left);
        Answers() = {answer};
        form.offerRecovery();
        QVERIFY(Messages().value(0).startsWith(QStringLiteral("? Orvex завершил работу, не сохранив список "
                                                              "графиков (графиков: 2;")));
        QCOMPARE(form.document().state(), answer == 0 ? left : GraphListState{});
        QCOMPARE(form.history().isModified(), answer == 0);
        // Only this program's own file (a restored list is changed) and its lock remain.
        QCOMPARE(FilesIn(folder).size(), answer == 0 ? 2 : 1);
        QCOMPARE(QFile::exists(form.recovery().path()), answer == 0);
        Messages().clear();
        form.offerRecovery(); // nothing is offered twice
        QVERIFY(Messages().isEmpty());
    }
};

QTEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
