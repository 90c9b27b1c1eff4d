#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace orvex {

// The program's message boxes, in one place: ShowMessage for a plain notice, ShowError for an error that
// ended a command. Both are modal and return when the user closes the box. Tests install a handler to
// collect the texts without a window waiting for a click.
using MessageHandler = void (*)(QWidget* parent, const QString& text);

void ShowMessage(QWidget* parent, const QString& text);
void ShowError(QWidget* parent, const QString& text);
// Installs `handler` for both kinds (nullptr restores the message boxes) and returns the one it replaces.
MessageHandler SetMessageHandler(MessageHandler handler);

// A question with its answers as buttons, left to right: the first is the default (Enter), the last
// answers Escape and closing the box. Returns the index of the answer chosen.
using QuestionHandler = int (*)(QWidget* parent, const QString& text, const QStringList& answers);
[[nodiscard]] int AskQuestion(QWidget* parent, const QString& text, const QStringList& answers);
// Installs `handler` for the questions (nullptr restores the boxes); returns the one it replaces.
QuestionHandler SetQuestionHandler(QuestionHandler handler);

} // namespace orvex
