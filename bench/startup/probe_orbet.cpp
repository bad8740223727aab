// Starts Orbet exactly as its own main does and reports its first painted frame.

#include "FirstFrame.h"
#include "app/GameArea.h"
#include "app/Globals.h"
#include "app/frmMain.h"
#include "platform/Translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const auto start = FirstFrame::Clock::now();
    QApplication app(argc, argv);
    Translations::Install(app);
    QApplication::setApplicationName(QStringLiteral("Orbet"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Orbet"));
    Globals::Main();
    frmMain* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        window = qobject_cast<frmMain*>(w) ? qobject_cast<frmMain*>(w) : window;
    }
    FirstFrame probe(start, window->Canvas());
    const int code = QApplication::exec();
    Globals::ShutDown();
    return code;
}
