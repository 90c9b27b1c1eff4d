// The layout of the main window: the menus and toolbars with their entries, the "Вид" toggles and the
// docks' context menu, and the redraws when bars are hidden, shown or docked elsewhere.
#include "MainBars.h"
#include "MainWindowBench.h"

#include <QComboBox>
#include <QDockWidget>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

using orvex::ViewController;
using orvex::testing::MainWindowBench;

namespace {

// The entries of a menu or a toolbar: action object names, "-" for a separator, the object name of a
// widget placed in a toolbar; toggles show their text.
QStringList Entries(const QWidget* holder) {
    QStringList out;
    for (QAction* a : holder->actions()) {
        if (a->isSeparator())
            out << QStringLiteral("-");
        else if (!a->objectName().isEmpty())
            out << a->objectName();
        else if (auto* bar = qobject_cast<const QToolBar*>(holder);
                 bar && bar->widgetForAction(a) && !bar->widgetForAction(a)->objectName().isEmpty())
            out << bar->widgetForAction(a)->objectName();
        else
            out << a->text();
    }
    return out;
}

} // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void menus_data();
    void menus();
    void toolBars_data();
    void toolBars();
    void contextMenuHoldsTheViewToggles();
    void togglesHideShowAndRedraw_data();
    void togglesHideShowAndRedraw();
    void dockingElsewhereRedrawsAtNewSize();
    void regions();
};

void MainWindowLayoutTest::menus_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("Файл") << "Файл"
                          << QStringList{
                                 "New",       "FileOpen1",  "FileSaveAs1", "SavePicture1", "CopyToClipboard",
                                 "PrintDlg1", "Parametres", "-",           "FileExit1"};
    QTest::newRow("Вид") << "Вид" << QStringList{"Главное меню",
                                                 "-",
                                                 "Список графиков",
                                                 "Параметры построения",
                                                 "-",
                                                 "Файл",
                                                 "Основные функции",
                                                 "Масштабирование",
                                                 "Помощь"};
    QTest::newRow("Построение") << "Построение"
                                << QStringList{"NewGr",  "NewDif",   "RemoveGr", "Eval",      "-",
                                               "MoveUp", "MoveDown", "MoveLeft", "MoveRight", "-",
                                               "HorMax", "HorMin",   "VertMax",  "VertMin",   "-",
                                               "AllMax", "AllMin"};
    QTest::newRow("Помощь") << "Помощь" << QStringList{"BrowseURL1", "About"};
}

void MainWindowLayoutTest::menus() {
    QFETCH(QString, title);
    QFETCH(QStringList, entries);
    MainWindowBench bench;
    auto* menuBar = bench.form().findChild<QMenuBar*>(QStringLiteral("MainMenu"));
    QVERIFY(menuBar);
    QStringList titles;
    QMenu* menu = nullptr;
    for (QAction* a : menuBar->actions()) {
        titles << a->text();
        if (a->text() == title)
            menu = a->menu();
    }
    QCOMPARE(titles, (QStringList{"Файл", "Вид", "Построение", "Помощь"}));
    QVERIFY(menu);
    QCOMPARE(Entries(menu), entries);
}

void MainWindowLayoutTest::toolBars_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("file") << "FileToolBar"
                          << "Файл" << QStringList{"New",          "FileOpen1",       "FileSaveAs1",
                                                   "SavePicture1", "CopyToClipboard", "PrintDlg1",
                                                   "Parametres"};
    QTest::newRow("main") << "MainToolBar"
                          << "Основные функции" << QStringList{"NewGr", "NewDif", "RemoveGr", "Eval"};
    QTest::newRow("zoom") << "ZoomToolBar"
                          << "Масштабирование"
                          << QStringList{"MoveUp", "MoveDown", "MoveLeft", "MoveRight", "-",     "HorMax",
                                         "HorMin", "VertMax",  "VertMin",  "AllMax",    "AllMin"};
    QTest::newRow("help") << "HelpToolBar"
                          << "Помощь" << QStringList{"BrowseURL1", "About", "FileExit1", "ComboBox1"};
}

void MainWindowLayoutTest::toolBars() {
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QStringList, entries);
    MainWindowBench bench;
    auto* bar = bench.form().findChild<QToolBar*>(name);
    QVERIFY(bar);
    QCOMPARE(bar->windowTitle(), title);
    QCOMPARE(Entries(bar), entries);
    QCOMPARE(bench.form().toolBarArea(bar), Qt::TopToolBarArea);
    QVERIFY(bar->isAreaAllowed(Qt::LeftToolBarArea) && bar->isAreaAllowed(Qt::RightToolBarArea));
    // The second row of the top dock, below the menu bar.
    QVERIFY(bench.form().toolBarBreak(bench.form().bars().bars()[1]));
}

void MainWindowLayoutTest::contextMenuHoldsTheViewToggles() {
    MainWindowBench bench;
    std::unique_ptr<QMenu> popup(bench.form().createPopupMenu());
    const QList<QAction*>& toggles = bench.form().bars().viewToggles();
    const QList<QAction*> entries = popup->actions();
    QCOMPARE(entries.size(), toggles.size());
    for (int i = 0; i < toggles.size(); ++i) {
        if (toggles[i]) {
            QCOMPARE(entries[i], toggles[i]); // the very same toggles as in "Вид"
            QVERIFY(entries[i]->isCheckable());
            QVERIFY(entries[i]->isChecked());
        } else {
            QVERIFY(entries[i]->isSeparator());
        }
    }
}

void MainWindowLayoutTest::togglesHideShowAndRedraw_data() {
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<QString>("element");
    QTest::newRow("menu bar") << "Главное меню"
                              << "MainMenuBar";
    QTest::newRow("graph list") << "Список графиков"
                                << "TBXDockablePanel1";
    QTest::newRow("build parameters") << "Параметры построения"
                                      << "TBXTW";
    QTest::newRow("file") << "Файл"
                          << "FileToolBar";
    QTest::newRow("main") << "Основные функции"
                          << "MainToolBar";
    QTest::newRow("zoom") << "Масштабирование"
                          << "ZoomToolBar";
    QTest::newRow("help") << "Помощь"
                          << "HelpToolBar";
}

void MainWindowLayoutTest::togglesHideShowAndRedraw() {
    QFETCH(QString, toggle);
    QFETCH(QString, element);
    MainWindowBench bench;
    QWidget* target = element == "TBXTW" ? static_cast<QWidget*>(&bench.params())
                                         : bench.form().findChild<QWidget*>(element);
    QVERIFY(target);
    QAction* action = nullptr;
    for (QAction* a : bench.form().bars().viewToggles())
        if (a && a->text() == toggle)
            action = a;
    QVERIFY(action);

    QSignalSpy redrawn(&bench.form().view(), &ViewController::redrawn);
    QVERIFY(target->isVisible());
    action->trigger();
    QVERIFY(!target->isVisible());
    QVERIFY(!action->isChecked());
    QTRY_VERIFY(redrawn.count() >= 1);
    QTRY_COMPARE(bench.form().view().shownPicture().size(), bench.image().size());

    redrawn.clear();
    action->trigger();
    QVERIFY(target->isVisible());
    QVERIFY(action->isChecked());
    QTRY_VERIFY(redrawn.count() >= 1);
    QTRY_COMPARE(bench.form().view().shownPicture().size(), bench.image().size());
}

void MainWindowLayoutTest::dockingElsewhereRedrawsAtNewSize() {
    MainWindowBench bench;
    QToolBar* zoom = bench.form().findChild<QToolBar*>(QStringLiteral("ZoomToolBar"));
    const QSize before = bench.form().view().shownPicture().size();
    bench.form().addToolBar(Qt::LeftToolBarArea, zoom);
    QTRY_VERIFY(bench.image().width() < before.width());
    QTRY_COMPARE(bench.form().view().shownPicture().size(), bench.image().size());

    const int left = bench.image().x();
    bench.form().addDockWidget(Qt::RightDockWidgetArea, bench.form().graphListPanel());
    QTRY_VERIFY(bench.image().x() < left);
    QTRY_COMPARE(bench.form().view().shownPicture().size(), bench.image().size());
}

void MainWindowLayoutTest::regions() {
    MainWindowBench bench;
    orvex::TForm1& form = bench.form();
    QCOMPARE(form.windowTitle(), QStringLiteral("Orvex 1.0 RC2"));
    QCOMPARE(form.dockWidgetArea(form.graphListPanel()), Qt::LeftDockWidgetArea);
    QCOMPARE(form.graphListPanel()->windowTitle(), QStringLiteral("Список графиков"));
    QCOMPARE(form.graphList()->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(bench.image().cursor().shape(), Qt::CrossCursor);
    QComboBox* themes = form.themeSelector();
    QCOMPARE(themes->toolTip(), QStringLiteral("Стиль оформления"));
    QCOMPARE(themes->count(), 3);
    QCOMPARE(themes->itemText(1), QStringLiteral("OfficeXP"));
}

QTEST_MAIN(MainWindowLayoutTest)
#include "MainWindowLayoutTest.moc"
