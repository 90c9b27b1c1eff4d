#pragma once

#include <QList>
#include <QObject>

class QAction;
class QComboBox;
class QMainWindow;
class QMenu;
class QToolBar;

namespace orvex {

class ActionTable;

// The menu bar "Главное меню" (a menu bar inside a movable toolbar) and the four toolbars "Файл",
// "Основные функции", "Масштабирование", "Помощь" with the theme selector `ComboBox1`, in the top dock:
// the menu bar in the first row, the toolbars in the second.
class MainBars : public QObject {
    Q_OBJECT
  public:
    // `graphListToggle` and `buildParamsToggle` show and hide the graph-list panel and the
    // build-parameters window; they join the bars' own toggles in the "Вид" menu. `additions` (the
    // program's own panels and view options, nullptr for a separator) come last, after a separator.
    MainBars(QMainWindow* window, const ActionTable& actions, QAction* graphListToggle,
             QAction* buildParamsToggle, const QList<QAction*>& additions);

    // The menu bar's toolbar first, then the four toolbars.
    [[nodiscard]] const QList<QToolBar*>& bars() const noexcept { return bars_; }
    [[nodiscard]] QComboBox* themeSelector() const noexcept { return comboBox1_; }

    // The checked show/hide toggles of the "Вид" menu, in menu order; nullptr stands for a separator.
    [[nodiscard]] const QList<QAction*>& viewToggles() const noexcept { return toggles_; }
    // Adds the toggles (with their separators) to a menu: the "Вид" menu and the top dock's context menu.
    void addViewToggles(QMenu* menu) const;

  private:
    QToolBar* addBar(QMainWindow* window, const char* name, const char* title);
    void createMenus(QMainWindow* window, const ActionTable& actions);
    void createToolBars(QMainWindow* window, const ActionTable& actions);

    QList<QToolBar*> bars_;
    QList<QAction*> toggles_;
    QMenu* viewMenu_ = nullptr;
    QComboBox* comboBox1_ = nullptr;
};

} // namespace orvex
