#pragma once

#include <QString>

class QWidget;

namespace orvex {

// Shows a message to the user: a message box with the application's name as caption and an OK button.
// The box is modal and returns when the user closes it. Tests replace the handler to see the messages
// without a window waiting for a click.
using MessageHandler = void (*)(QWidget* parent, const QString& text);

void ShowMessage(QWidget* parent, const QString& text);
// Installs `handler` (nullptr restores the message box) and returns the one it replaces.
MessageHandler SetMessageHandler(MessageHandler handler);

} // namespace orvex
