#include "app/Globals.h"

#include "app/clsHelp.h"
#include "app/frmMain.h"
#include "platform/DataFile.h"
#include "platform/RandomSource.h"
#include "platform/SoundPlayer.h"
#include "platform/Translations.h"
#include "scores/clsStatistics.h"

#include <QApplication>

namespace Globals {

std::unique_ptr<clsStatistics> gclsStatistics;
std::unique_ptr<clsHelp> gclsHelp;

namespace {
std::unique_ptr<RandomSource> gRandom;
std::unique_ptr<SoundPlayer> gSoundPlayer;
frmMain* gfrmMain = nullptr; // until it has closed

} // namespace

void Main() {
    gclsStatistics = std::make_unique<clsStatistics>();
    gclsHelp = std::make_unique<clsHelp>();
    // In the player's language where there is a page for it.
    gclsHelp->setHelpFile(DataFileIn(QStringLiteral("orbet.html"), Translations::Language()));
    gRandom = std::make_unique<ClockRandomSource>();
    gSoundPlayer = std::make_unique<QtSoundPlayer>();

    gfrmMain =
        new frmMain(frmMain::Services{{*gclsStatistics, *gRandom, *gSoundPlayer}, *gclsHelp});
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
