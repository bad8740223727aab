// Draws every window of the game in one language, offscreen, for translators to look at: the
// main window, the About box, the High Score window, the name dialog and the message boxes.
// Usage: orbet_gallery LANGUAGE FOLDER (for instance: orbet_gallery de /tmp/de)

#include "SampleGame.h"
#include "app/frmAbout.h"
#include "platform/Translations.h"
#include "scores/frmNameInput.h"
#include "scores/frmStatistics.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

namespace {

bool Save(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    QApplication::processEvents();
    return window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// A message box as the game shows it, with its caption, icon and buttons.
bool SaveBox(QWidget* owner, const QString& folder, const QString& name, const QString& caption,
             const QString& text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, QString(text).replace(QStringLiteral("\r\n"), "\n"), buttons,
                    owner);
    return Save(box, folder, name);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QString::fromLocal8Bit(argv[1])));
    QApplication app(argc, argv);
    Translations::Install(app);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    SampleGame game;
    frmMain& window = game.Window();
    clsStatistics& statistics = game.Statistics();
    bool saved = Save(window, folder, QStringLiteral("main"));
    frmAbout about(&window);
    saved = Save(about, folder, QStringLiteral("about")) && saved;
    frmStatistics scores(statistics, &window);
    saved = Save(scores, folder, QStringLiteral("scores")) && saved;
    frmNameInput name(statistics, &window);
    saved = Save(name, folder, QStringLiteral("name")) && saved;
    const auto tr = [](const char* context, const char* text, int n = -1) {
        return QCoreApplication::translate(context, text, nullptr, n);
    };
    saved = SaveBox(&window, folder, QStringLiteral("box-game-over"), tr("frmMain", "GAME OVER"),
                    tr("frmMain", "Game Over."), QMessageBox::Information, QMessageBox::Ok) &&
            saved;
    saved = SaveBox(&window, folder, QStringLiteral("box-high-score"), tr("frmMain", "HIGH SCORE"),
                    tr("frmMain", "You have achieved a high score that places you at position "
                                  "%1\r\nin the High Score table.\r\n\r\nDo you wish to add your "
                                  "name to the High Score table?")
                        .arg(2),
                    QMessageBox::Question, QMessageBox::Yes | QMessageBox::No) &&
            saved;
    saved = SaveBox(&name, folder, QStringLiteral("box-confirmation"),
                    tr("frmNameInput", "CONFIRMATION"),
                    tr("frmNameInput", "You did not enter a name.\r\n\r\nAre you sure that you do "
                                       "not wish to enter your name into the\r\nHigh Score "
                                       "table?"),
                    QMessageBox::Question, QMessageBox::Yes | QMessageBox::No) &&
            saved;
    saved = SaveBox(&name, folder, QStringLiteral("box-too-long"), QStringLiteral("Orbet"),
                    tr("frmNameInput",
                       "The name entered exceeds %n characters.\r\n\r\nPlease shorten it so that "
                       "you name can be entered into the High Score table.",
                       25),
                    QMessageBox::NoIcon, QMessageBox::Ok) &&
            saved;
    return saved ? 0 : 1;
}
