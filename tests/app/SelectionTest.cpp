// A graph is selected only by the user: the item the list makes current by itself (on focus-in, after
// a document is opened, after a removal) is not selected, and the commands on the selected graph do
// nothing without one.
#include "AppTestBench.h"
#include "GraphEntry.h"
#include "TForm4.h"

using orvex::TGraphEntry;
using orvex::testing::MainWindowBench;
using orvex::testing::Messages;

namespace {

// The graph list's texts, joined by ", ".
QString Items(const MainWindowBench& bench) {
    QStringList items;
    for (int i = 0; i < bench.form().document().count(); ++i)
        items << bench.form().document().itemText(i);
    return items.join(QStringLiteral(", "));
}

void OpenThreeGraphs(MainWindowBench& bench, const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("three.orx"));
    const std::string bytes =
        orvex::EncodeDocument({TGraphEntry{"x"}, TGraphEntry{"x^2"}, TGraphEntry{"x^3"}});
    orvex::testing::WriteAll(path, QByteArray::fromStdString(bytes));
    QVERIFY(bench.form().graphCommands().loadDocument(path));
    bench.waitForPicture();
}

void Press(QWidget* target, QKeySequence key) {
    QTest::keySequence(target, key);
}

} // namespace

class SelectionTest : public QObject {
    Q_OBJECT

  private slots:
    void commandsNeedAChoice_data() {
        QTest::addColumn<QString>("focus"); // where the keyboard focus is when Delete and F6 are pressed
        QTest::newRow("graph list") << "CLBox1";
        QTest::newRow("plot area") << "Image1";
    }
    void commandsNeedAChoice() {
        QFETCH(QString, focus);
        QTemporaryDir dir;
        MainWindowBench bench;
        OpenThreeGraphs(bench, dir);
        QListWidget* list = bench.form().graphList();
        QWidget* target = focus == "CLBox1" ? static_cast<QWidget*>(list) : &bench.image();
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        // What the list does by itself on focus-in: its first item becomes current, not chosen.
        list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
        for (int i = 0; i < 3; ++i)
            Press(target, QKeySequence(Qt::Key_Delete));
        Press(target, QKeySequence(Qt::Key_F6));
        QCOMPARE(Items(bench), QStringLiteral("x, x^2, x^3"));
        QVERIFY(!bench.form().graphCommands().editor()->isVisible());
        QCOMPARE(bench.form().document().selectedIndex(), -1);
        QVERIFY(Messages().isEmpty());
    }

    // A removal and an opening leave no graph chosen; the list's click and keys choose one.
    void removalAndOpeningLeaveNoSelection() {
        QTemporaryDir dir;
        MainWindowBench bench;
        OpenThreeGraphs(bench, dir);
        QListWidget* list = bench.form().graphList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(bench.form().document().selectedIndex(), 1);
        Press(list, QKeySequence(Qt::Key_Delete));
        QCOMPARE(Items(bench), QStringLiteral("x, x^3"));
        QCOMPARE(bench.form().document().selectedIndex(), -1);
        Press(list, QKeySequence(Qt::Key_Delete)); // nothing is chosen any more
        QCOMPARE(Items(bench), QStringLiteral("x, x^3"));
        Press(list, QKeySequence(Qt::Key_Down));
        QVERIFY(bench.form().document().selectedIndex() >= 0);
        OpenThreeGraphs(bench, dir);
        QCOMPARE(bench.form().document().selectedIndex(), -1);
        Press(&bench.image(), QKeySequence(Qt::Key_F6));
        QVERIFY(!bench.form().graphCommands().editor()->isVisible());
    }
};

QTEST_MAIN(SelectionTest)
#include "SelectionTest.moc"
