#pragma once

#include <QString>
#include <QStringList>

namespace orvex {

// What `orvex [FILE.orx]` asks for at start. `--help` and `--version` (and bad arguments) end the program
// before any window opens: `exitCode` is set then, with the text to print on standard output (help,
// version) or standard error (errors).
struct StartupRequest {
    QString document;  // open this document after start-up; empty: start as usual
    int exitCode = -1; // -1: start the program
    QString output;
    QString error;
};

// Reads the program's arguments (arguments[0] is the program). Needs the application object.
[[nodiscard]] StartupRequest ParseCommandLine(const QStringList& arguments);

// The version the program reports: "Orvex 1.0 RC2".
[[nodiscard]] QString VersionText();

} // namespace orvex
