#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvex 1.0 RC2");
    QMainWindow window;
    window.setWindowTitle("Orvex 1.0 RC2");
    window.showMaximized();
    return app.exec();
}
