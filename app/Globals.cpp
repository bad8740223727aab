#include "app/Globals.h"

#include "app/clsHelp.h"
#include "app/frmMain.h"
#include "platform/DataFile.h"
#include "platform/RandomSource.h"
#include "platform/SoundPlayer.h"
#include "platform/Translations.h"
#include "scores/clsStatistics.h"

#include <QApplication>
#include <QFileInfo>

namespace Globals {

std::unique_ptr<clsStatistics> gclsStatistics;
std::unique_ptr<clsHelp> gclsHelp;

namespace {
std::unique_ptr<RandomSource> gRandom;
std::unique_ptr<SoundPlayer> gSoundPlayer;
frmMain* gfrmMain = nullptr; // until it has closed

// The help page in the player's language (orbet_de.html beside orbet.html), or in English.
QString HelpPage() {
    const QString language = Translations::Language();
    if (!language.isEmpty()) {
        const QString page = DataFile(QStringLiteral("orbet_%1.html").arg(language));
        if (QFileInfo::exists(page)) {
            return page;
        }
    }
    return DataFile(QStringLiteral("orbet.html"));
}
} // namespace

void Main() {
    gclsStatistics = std::make_unique<clsStatistics>();
    gclsHelp = std::make_unique<clsHelp>();
    gclsHelp->setHelpFile(HelpPage());
    gRandom = std::make_unique<ClockRandomSource>();
    gSoundPlayer = std::make_unique<QtSoundPlayer>();

    gfrmMain = new frmMain(frmMain::Services{*gclsStatistics, *gclsHelp, *gRandom, *gSoundPlayer});
    QObject::connect(gfrmMain, &frmMain::Unloaded, gfrmMain, [] {
        // The window is still inside its close handler; it goes once control returns.
        gfrmMain->deleteLater();
        gfrmMain = nullptr;
        ShutDown();
    });
    gfrmMain->show();
}

void ShutDown() {
    // Also reached when the event loop ended some other way: then the window is still here,
    // and everything must go while the application object still exists.
    delete gfrmMain;
    gfrmMain = nullptr;
    gclsStatistics.reset();
    gclsHelp.reset();
    gSoundPlayer.reset();
    gRandom.reset();
    QCoreApplication::quit();
}

} // namespace Globals
