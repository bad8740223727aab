#include "app/CommandLine.h"
#include "app/Globals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = CommandLine::AnswerBeforeStart(argc, argv)) {
        return *answered;
    }
    QApplication app(argc, argv); // takes Qt's own options out of the arguments
    QApplication::setApplicationName(QStringLiteral("Orbet"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Orbet"));
    if (const std::optional<int> refused = CommandLine::RefuseTheRest(QApplication::arguments())) {
        return *refused;
    }
    Globals::Main();
    const int code = QApplication::exec();
    Globals::ShutDown();
    return code;
}
