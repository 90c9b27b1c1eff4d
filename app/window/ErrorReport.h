#pragma once

#include <QString>

#include <exception>
#include <utility>

namespace orvex {

// The application's one error report. Qt cannot carry an exception through its event loop, so every
// command handler runs through Run(): an error that the command does not handle itself ends the command
// and is shown in a message box with its text; the program goes on with whatever state the command
// reached.
class ErrorReport {
  public:
    // Shows `message` the way every unhandled error is shown (ShowError over the active window).
    static void Show(const QString& message);

    // Runs `command`, reporting any std::exception it lets through. Returns false when it failed.
    template <class Command> static bool Run(Command&& command) {
        try {
            std::forward<Command>(command)();
            return true;
        } catch (const std::exception& e) {
            Show(QString::fromUtf8(e.what()));
        } catch (...) {
            Show(QStringLiteral("Unknown error"));
        }
        return false;
    }
};

} // namespace orvex
