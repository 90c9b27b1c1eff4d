#include "CommandKeyFilter.h"

#include <QKeyEvent>
#include <QWidget>

namespace orvex {

CommandKeyFilter::CommandKeyFilter(const QList<QKeyCombination>& keys, const QList<QWidget*>& windows,
                                   QObject* parent)
    : QObject(parent) {
    for (const QKeyCombination key : keys)
        if (key.key() != Qt::Key_Delete)
            keys_.insert(key.toCombined());
    for (QWidget* window : windows)
        windows_.append(window);
}

bool CommandKeyFilter::inOurWindows(const QObject* object) const {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (widget == nullptr)
        return false;
    for (const auto& window : windows_)
        if (window && (widget == window || window->isAncestorOf(widget)))
            return true;
    return false;
}

bool CommandKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (claims(key->keyCombination()) && inOurWindows(watched)) {
            event->ignore(); // not the widget's: the shortcut runs
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvex
