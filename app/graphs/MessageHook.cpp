#include "MessageHook.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace orvex {

namespace {

void showMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}

MessageHandler currentHandler = &showMessageBox;

} // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    currentHandler(parent, text);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    const MessageHandler previous = currentHandler;
    currentHandler = handler ? handler : &showMessageBox;
    return previous;
}

} // namespace orvex
