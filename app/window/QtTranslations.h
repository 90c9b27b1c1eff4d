#pragma once

class QCoreApplication;

namespace orvex {

// Installs Qt's own Russian texts (the standard file and print dialogs, message-box buttons, the context
// menus of text fields) into `app`, whatever the system's language: every text of the program is Russian.
// Without the translation files installed, Qt's English texts stay.
void InstallQtTranslations(QCoreApplication& app);

} // namespace orvex
