// The command set of the main window: every key of the command list reaches its action (from the plot
// area, the graph list and the build-parameters window), the first command listing a key wins, the hints
// and icons, and the home page command.
#include "CommandList.h"
#include "GraphCommands.h"
#include "GraphDocument.h"
#include "HomePage.h"
#include "MainWindowBench.h"
#include "TForm4.h"

#include <QDesktopServices>
#include <QListWidget>
#include <QToolBar>
#include <QToolButton>

using orvex::testing::MainWindowBench;

namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Receives the addresses the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void open(const QUrl& url) { urls.append(url); }
};

} // namespace

class CommandTableTest : public QObject {
    Q_OBJECT

  private slots:
    void everyKeyReachesItsAction_data();
    void everyKeyReachesItsAction();
    void firstCommandWinsASharedKey();
    void noKeyIsGivenTwice();
    void captionsHintsAndIcons();
    void homePage();
    void graphCommandsAreWired();
};

void CommandTableTest::everyKeyReachesItsAction_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("focus"); // where the keyboard focus is when the key is pressed

    for (const orvex::CommandSpec& spec : orvex::CommandList()) {
        if (spec.key.key() == Qt::Key_unknown || spec.name == "CopyToClipboard")
            continue;
        for (const char* focus : {"Image1", "CLBox1", "TBXTW"}) {
            const QByteArray row =
                QByteArray(spec.name.data(), static_cast<qsizetype>(spec.name.size())) + " in " + focus;
            QTest::newRow(row.constData())
                << Text(spec.name) << QKeySequence(spec.key) << QString::fromLatin1(focus);
        }
    }
}

void CommandTableTest::everyKeyReachesItsAction() {
    QFETCH(QString, action);
    QFETCH(QKeySequence, key);
    QFETCH(QString, focus);

    MainWindowBench bench;
    // Only the routing of the keys is under test here: the commands themselves stay quiet.
    for (QAction* a : bench.form().actions().actions())
        QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);

    QWidget* target = &bench.image();
    if (focus == "CLBox1") {
        target = bench.form().graphList();
    } else if (focus == "TBXTW") {
        target = &bench.params();
        bench.params().activateWindow();
        QApplication::setActiveWindow(&bench.params());
        QVERIFY(QTest::qWaitForWindowActive(&bench.params()));
    }
    target->setFocus();

    QList<QSignalSpy*> spies;
    for (QAction* a : bench.form().actions().actions())
        spies.append(new QSignalSpy(a, &QAction::triggered));
    QTest::keySequence(target, key);
    QStringList triggered;
    for (int i = 0; i < spies.size(); ++i)
        if (spies[i]->count() > 0)
            triggered.append(bench.form().actions().actions()[i]->objectName());
    qDeleteAll(spies);
    QCOMPARE(triggered, QStringList{action});
}

void CommandTableTest::firstCommandWinsASharedKey() {
    MainWindowBench bench;
    QAction* copy = bench.form().actions()["CopyToClipboard"];
    QAction* moveRight = bench.form().actions()["MoveRight"];
    QCOMPARE(moveRight->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    QVERIFY(copy->shortcut().isEmpty());
    // The menu entry still shows the key the command lists.
    QCOMPARE(copy->text(), QStringLiteral("Копировать изображение в буфер обмена\tCtrl+C"));
    QCOMPARE(orvex::ActionTable::Caption(copy), QStringLiteral("Копировать изображение в буфер обмена"));

    QSignalSpy copied(copy, &QAction::triggered);
    QTest::keyClick(&bench.form(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(bench.limits(), QStringLiteral("-4 6 -5 5"));
    QCOMPARE(copied.count(), 0);
}

void CommandTableTest::noKeyIsGivenTwice() {
    MainWindowBench bench;
    QMap<QString, QString> owners;
    for (QAction* a : bench.form().actions().actions()) {
        for (const QKeySequence& key : a->shortcuts()) {
            QVERIFY2(!owners.contains(key.toString()), qPrintable(key.toString()));
            owners.insert(key.toString(), a->objectName());
        }
    }
    QCOMPARE(owners.size(), 23); // 25 commands; Change has no key and Ctrl+C is given once
}

void CommandTableTest::captionsHintsAndIcons() {
    MainWindowBench bench;
    const orvex::ActionTable& actions = bench.form().actions();
    QCOMPARE(actions.actions().size(), 25);
    QList<QImage> icons;
    for (const orvex::CommandSpec& spec : orvex::CommandList()) {
        QAction* a = actions[spec.name];
        QCOMPARE(orvex::ActionTable::Caption(a), Text(spec.caption));
        QVERIFY2(!a->icon().isNull(), spec.name.data());
        icons.append(a->icon().pixmap(24, 24).toImage());
    }
    for (const QImage& icon : icons) // every command has an icon of its own
        QCOMPARE(icons.count(icon), 1);
    // The long hint goes to the status bar, the short one to the tooltip.
    QCOMPARE(actions["FileExit1"]->toolTip(), QStringLiteral("Exit"));
    QCOMPARE(actions["FileExit1"]->statusTip(), QStringLiteral("Quits the application"));
    QCOMPARE(actions["SavePicture1"]->toolTip(), QStringLiteral("Save Picture"));
    QCOMPARE(actions["NewGr"]->statusTip(), QStringLiteral("Добавить график"));

    // Buttons with hints of their own.
    const auto button = [&](const char* bar, const char* action) {
        auto* toolBar = bench.form().findChild<QToolBar*>(QString::fromLatin1(bar));
        return qobject_cast<QToolButton*>(toolBar->widgetForAction(actions[action]));
    };
    QCOMPARE(button("FileToolBar", "SavePicture1")->toolTip(), QStringLiteral("Сохранить как рисунок"));
    QCOMPARE(button("FileToolBar", "PrintDlg1")->text(), QStringLiteral("Print..."));
    QCOMPARE(button("HelpToolBar", "FileExit1")->toolTip(), QStringLiteral("Выход"));
}

void CommandTableTest::homePage() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    {
        MainWindowBench bench;
        QTest::keyClick(&bench.form(), Qt::Key_F12);
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://orvex.example.org/"))});
    }
    qputenv("ORVEX_HOME_PAGE", "https://mirror.example.net/orvex");
    QCOMPARE(orvex::HomePageUrl(), QUrl(QStringLiteral("https://mirror.example.net/orvex")));
    qunsetenv("ORVEX_HOME_PAGE");
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void CommandTableTest::graphCommandsAreWired() {
    MainWindowBench bench;
    orvex::GraphDocument& document = bench.form().document();
    const orvex::TGraphEntry graph{std::string("x"), 0, false, 100, 1};
    QVERIFY(document.append(graph, QStringLiteral("x")));
    QVERIFY(document.append(graph, QStringLiteral("-x")));
    QListWidget* list = bench.form().graphList();

    // Delete removes the selected graph and redraws.
    QSignalSpy redrawn(&bench.form().view(), &orvex::ViewController::redrawn);
    list->setCurrentRow(0);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(document.count(), 1);
    QCOMPARE(document.itemText(0), QStringLiteral("-x"));
    QCOMPARE(redrawn.count(), 1);

    // A double click on the list edits the selected graph.
    const QPoint item = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item);
    orvex::TForm4* editor = bench.form().graphCommands().editor();
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->windowTitle(), QStringLiteral("Изменить график"));
    QVERIFY(!bench.form().isEnabled());
    QVERIFY(!bench.params().isEnabled());
    editor->close();
    QVERIFY(bench.form().isEnabled());
    QVERIFY(bench.params().isEnabled());
}

QTEST_MAIN(CommandTableTest)
#include "CommandTableTest.moc"
