#include "MainBars.h"

#include "ActionTable.h"
#include "Themes.h"

#include <QAction>
#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <initializer_list>
#include <string_view>

namespace orvex {

namespace {

// A separator in the lists below.
constexpr std::string_view kSeparator = "-";

void AddActions(QWidget* target, const ActionTable& actions, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
        if (name == kSeparator) {
            if (auto* menu = qobject_cast<QMenu*>(target))
                menu->addSeparator();
            else if (auto* bar = qobject_cast<QToolBar*>(target))
                bar->addSeparator();
        } else {
            target->addAction(actions[name]);
        }
    }
}

QToolButton* ButtonFor(QToolBar* bar, const ActionTable& actions, std::string_view name) {
    return qobject_cast<QToolButton*>(bar->widgetForAction(actions[name]));
}

} // namespace

MainBars::MainBars(QMainWindow* window, const ActionTable& actions, QAction* graphListToggle,
                   QAction* buildParamsToggle, const QList<QAction*>& additions)
    : QObject(window) {
    createMenus(window, actions);
    createToolBars(window, actions);

    toggles_ = {bars_[0]->toggleViewAction(), nullptr, graphListToggle, buildParamsToggle, nullptr};
    for (int i = 1; i < bars_.size(); ++i)
        toggles_.append(bars_[i]->toggleViewAction());
    if (!additions.isEmpty())
        toggles_ << nullptr << additions;
    addViewToggles(viewMenu_);
}

QToolBar* MainBars::addBar(QMainWindow* window, const char* name, const char* title) {
    auto* bar = new QToolBar(QString::fromUtf8(title), window);
    bar->setObjectName(QString::fromUtf8(name));
    bar->setAllowedAreas(Qt::TopToolBarArea | Qt::LeftToolBarArea | Qt::RightToolBarArea);
    bar->setMovable(true);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    window->addToolBar(Qt::TopToolBarArea, bar);
    bars_.append(bar);
    return bar;
}

void MainBars::createMenus(QMainWindow* window, const ActionTable& actions) {
    QToolBar* holder = addBar(window, "MainMenuBar", "Главное меню");
    // A menu bar does not lay itself out vertically, so its bar stays in the top dock.
    holder->setAllowedAreas(Qt::TopToolBarArea);
    auto* menuBar = new QMenuBar(holder);
    menuBar->setObjectName(QStringLiteral("MainMenu"));
    menuBar->setNativeMenuBar(false);
    holder->addWidget(menuBar);
    window->addToolBarBreak(Qt::TopToolBarArea);

    QMenu* file = menuBar->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("FileMenu"));
    AddActions(file, actions,
               {"New", "FileOpen1", "FileSaveAs1", "SavePicture1", "CopyToClipboard", "PrintDlg1",
                "Parametres", kSeparator, "FileExit1"});
    viewMenu_ = menuBar->addMenu(QStringLiteral("&Вид"));
    viewMenu_->setObjectName(QStringLiteral("ViewMenu"));
    QMenu* build = menuBar->addMenu(QStringLiteral("&Построение"));
    build->setObjectName(QStringLiteral("BuildMenu"));
    AddActions(build, actions, {"NewGr",    "NewDif",   "RemoveGr", "Eval",      "SpecialPoints", kSeparator,
                                "MoveUp",   "MoveDown", "MoveLeft", "MoveRight", kSeparator,      "HorMax",
                                "HorMin",   "VertMax",  "VertMin",  kSeparator,  "AllMax",        "AllMin",
                                kSeparator, "Study",    kSeparator, "Undo",      "Redo"});
    QMenu* help = menuBar->addMenu(QStringLiteral("П&омощь"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    AddActions(help, actions, {"BrowseURL1", "About"});
}

void MainBars::createToolBars(QMainWindow* window, const ActionTable& actions) {
    QToolBar* file = addBar(window, "FileToolBar", "Файл");
    AddActions(
        file, actions,
        {"New", "FileOpen1", "FileSaveAs1", "SavePicture1", "CopyToClipboard", "PrintDlg1", "Parametres"});
    ButtonFor(file, actions, "SavePicture1")->setToolTip(QStringLiteral("Сохранить как рисунок"));
    ButtonFor(file, actions, "PrintDlg1")->setText(QStringLiteral("Print..."));

    QToolBar* main = addBar(window, "MainToolBar", "Основные функции");
    AddActions(main, actions, {"NewGr", "NewDif", "RemoveGr", "Eval", kSeparator, "Trace"});

    QToolBar* zoom = addBar(window, "ZoomToolBar", "Масштабирование");
    AddActions(zoom, actions,
               {"MoveUp", "MoveDown", "MoveLeft", "MoveRight", kSeparator, "HorMax", "HorMin", "VertMax",
                "VertMin", "AllMax", "AllMin"});

    QToolBar* help = addBar(window, "HelpToolBar", "Помощь");
    AddActions(help, actions, {"BrowseURL1", "About", "FileExit1"});
    ButtonFor(help, actions, "FileExit1")->setToolTip(QStringLiteral("Выход"));
    comboBox1_ = new QComboBox(help);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setEditable(true);
    comboBox1_->setInsertPolicy(QComboBox::NoInsert);
    comboBox1_->addItems(ThemeNames());
    comboBox1_->setToolTip(QStringLiteral("Стиль оформления"));
    comboBox1_->setMinimumWidth(84);
    comboBox1_->setMaximumWidth(120);
    help->addWidget(comboBox1_);
}

void MainBars::addViewToggles(QMenu* menu) const {
    for (QAction* toggle : toggles_) {
        if (toggle)
            menu->addAction(toggle);
        else
            menu->addSeparator();
    }
}

} // namespace orvex
