#include "NonModalDialog.h"

#include <QHideEvent>

namespace orvex {

NonModalDialog::NonModalDialog(QWidget* parent) : QDialog(parent) {
    setModal(false);
}

void NonModalDialog::setBlockedWindows(const QList<QWidget*>& windows) {
    blocked_.clear();
    for (QWidget* w : windows)
        blocked_.append(w);
}

void NonModalDialog::disableBlockedWindows() {
    for (const auto& w : blocked_)
        if (w)
            w->setEnabled(false);
}

void NonModalDialog::enableBlockedWindows() {
    for (const auto& w : blocked_)
        if (w)
            w->setEnabled(true);
}

void NonModalDialog::openOver(const std::function<void()>& fill) {
    disableBlockedWindows();
    try {
        if (fill)
            fill();
        show();
        raise();
        activateWindow();
    } catch (...) {
        hide();
        enableBlockedWindows();
        throw;
    }
}

void NonModalDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return; // minimised by the window system, still open
    enableBlockedWindows();
    // Hand the keyboard back to the window the dialog was opened over, so its shortcuts work at once.
    if (!blocked_.isEmpty() && blocked_.first() && blocked_.first()->isVisible())
        blocked_.first()->activateWindow();
    emit closed();
}

} // namespace orvex
