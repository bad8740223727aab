#include "app/Globals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbet"));
    Globals::Main();
    return QApplication::exec();
}
