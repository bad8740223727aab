#include "app/CommandLine.h"
#include "app/Globals.h"
#include "platform/Translations.h"
#include "platform/WindowSystem.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = CommandLine::Answer(argc, argv)) {
        return *answered;
    }
    // Takes Qt's own options out of the arguments.
    std::unique_ptr<QApplication> app = OpenWindowSystem(argc, argv);
    Translations::Install(*app);
    QApplication::setApplicationName(QStringLiteral("Orbet"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Orbet"));
    Globals::Main();
    const int code = QApplication::exec();
    Globals::ShutDown();
    CloseWindowSystem(std::move(app));
    return code;
}
