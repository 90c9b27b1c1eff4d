#include "MessageReport.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace orvex {

namespace {

MessageHandler currentHandler = nullptr;

void showBox(QMessageBox::Icon icon, QWidget* parent, const QString& text) {
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText); // a formula such as "<b>" is shown as typed
    box.exec();
}

} // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    if (currentHandler != nullptr)
        currentHandler(parent, text);
    else
        showBox(QMessageBox::NoIcon, parent, text);
}

void ShowError(QWidget* parent, const QString& text) {
    if (currentHandler != nullptr)
        currentHandler(parent, text);
    else
        showBox(QMessageBox::Critical, parent, text);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    const MessageHandler previous = currentHandler;
    currentHandler = handler;
    return previous;
}

} // namespace orvex
