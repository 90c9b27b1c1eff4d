#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <string_view>

class QAction;
class QWidget;

namespace orvex {

// The main window's actions, made from the command list: object names, captions, hints (short hint as
// tooltip, long hint as status tip), icons and keys. A key that an earlier command already holds is not
// given to Qt a second time: the later action only shows it in its menu text, so the first command in the
// list runs.
class ActionTable : public QObject {
    Q_OBJECT
  public:
    // The actions are children of `owner` and added to it, so their keys work in its window.
    explicit ActionTable(QWidget* owner);

    // The action with this object name; throws std::out_of_range for an unknown name.
    [[nodiscard]] QAction* operator[](std::string_view name) const;
    [[nodiscard]] const QList<QAction*>& actions() const noexcept { return actions_; }

    // Makes the keys work in another window too (the floating build-parameters window).
    void addTo(QWidget* window) const;

    // The plain caption, without a key shown in the menu text.
    [[nodiscard]] static QString Caption(const QAction* action);

  private:
    QList<QAction*> actions_;
};

} // namespace orvex
