#include "AppIcon.h"
#include "AppWindows.h"
#include "CommandLine.h"
#include "HeapPolicy.h"
#include "QtTranslations.h"
#include "TForm1.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

// --help and --version print and exit without a window, so they need no display.
bool OnlyPrints(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

int Print(const orvex::StartupRequest& request) {
    std::fputs(request.output.toLocal8Bit().constData(), stdout);
    std::fputs(request.error.toLocal8Bit().constData(), stderr);
    return request.exitCode;
}

} // namespace

int main(int argc, char** argv) {
    if (OnlyPrints(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("orvex"));
        orvex::InstallQtTranslations(app);
        return Print(orvex::ParseCommandLine(QCoreApplication::arguments()));
    }

    orvex::ApplyHeapPolicy();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvex 1.0 RC2"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.orvex")); // the menu entry's icon
    orvex::InstallQtTranslations(app);
    QApplication::setWindowIcon(orvex::OrvexIcon());
    const orvex::StartupRequest request = orvex::ParseCommandLine(QApplication::arguments());
    if (request.exitCode >= 0)
        return Print(request);

    orvex::AppWindows windows;
    windows.mainWindow().showMaximized();
    // After the start-up and the first picture: a list that a crashed program left unsaved is offered
    // first, then the document given is opened as the open command would.
    QTimer::singleShot(0, &windows.mainWindow(), [&windows, path = request.document] {
        windows.mainWindow().offerRecovery();
        if (!path.isEmpty())
            windows.mainWindow().openDocument(path);
    });
    return QApplication::exec();
}
