#include "app/Globals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbet"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Orbet"));
    Globals::Main();
    const int code = QApplication::exec();
    Globals::ShutDown();
    return code;
}
