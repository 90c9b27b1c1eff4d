#pragma once

#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

class QWidget;

namespace orvex {

// Lets the command keys reach their actions from every widget of the given windows. A text field takes
// some keys for itself before the window's shortcuts see them (Ctrl+Z, Ctrl+X and Ctrl+C undo, cut and
// copy in a line edit, the theme box's among them); the filter refuses those claims, so the commands win.
// Delete stays with a text field: there it deletes a character, not a graph.
class CommandKeyFilter : public QObject {
    Q_OBJECT
  public:
    CommandKeyFilter(const QList<QKeyCombination>& keys, const QList<QWidget*>& windows, QObject* parent);

    [[nodiscard]] bool claims(QKeyCombination key) const { return keys_.contains(key.toCombined()); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    [[nodiscard]] bool inOurWindows(const QObject* object) const;

    QSet<int> keys_;
    QList<QPointer<QWidget>> windows_;
};

} // namespace orvex
