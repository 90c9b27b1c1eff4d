#include "AppWindows.h"
#include "TForm1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvex 1.0 RC2"));
    orvex::AppWindows windows;
    windows.mainWindow().showMaximized();
    return QApplication::exec();
}
