#include "MessageReport.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace orvex {

namespace {

MessageHandler currentHandler = nullptr;
QuestionHandler currentQuestionHandler = nullptr;

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

int AskQuestion(QWidget* parent, const QString& text, const QStringList& answers) {
    if (currentQuestionHandler != nullptr)
        return currentQuestionHandler(parent, text, answers);
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), text, QMessageBox::NoButton,
                    parent);
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> buttons;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const bool last = i + 1 == answers.size();
        const QMessageBox::ButtonRole role = i == 0 ? QMessageBox::AcceptRole
                                             : last ? QMessageBox::RejectRole
                                                    : QMessageBox::DestructiveRole;
        buttons.append(box.addButton(answers[i], role));
    }
    if (!buttons.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.constFirst()));
        box.setEscapeButton(buttons.constLast());
    }
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return static_cast<int>(chosen < 0 ? answers.size() - 1 : chosen);
}

QuestionHandler SetQuestionHandler(QuestionHandler handler) {
    const QuestionHandler previous = currentQuestionHandler;
    currentQuestionHandler = handler;
    return previous;
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    const MessageHandler previous = currentHandler;
    currentHandler = handler;
    return previous;
}

} // namespace orvex
