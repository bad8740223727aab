#include "app/Globals.h"

#include "app/clsHelp.h"
#include "app/frmMain.h"
#include "platform/DataFolder.h"
#include "platform/RandomSource.h"
#include "platform/SoundPlayer.h"
#include "scores/clsStatistics.h"

#include <QApplication>

namespace Globals {

std::unique_ptr<clsStatistics> gclsStatistics;
std::unique_ptr<clsHelp> gclsHelp;

namespace {
std::unique_ptr<RandomSource> gRandom;
std::unique_ptr<SoundPlayer> gSoundPlayer;
} // namespace

void Main() {
    gclsStatistics = std::make_unique<clsStatistics>();
    gclsHelp = std::make_unique<clsHelp>();
    gclsHelp->setHelpFile(DataFolder() + QStringLiteral("/orbet.html"));
    gRandom = std::make_unique<ClockRandomSource>();
    gSoundPlayer = std::make_unique<QtSoundPlayer>();

    auto* window =
        new frmMain(frmMain::Services{*gclsStatistics, *gclsHelp, *gRandom, *gSoundPlayer});
    QObject::connect(window, &frmMain::Unloaded, window, [window] {
        // The window is still inside its close handler; it goes once control returns.
        window->deleteLater();
        ShutDown();
    });
    window->show();
}

void ShutDown() {
    gclsStatistics.reset();
    gclsHelp.reset();
    gSoundPlayer.reset();
    gRandom.reset();
    QCoreApplication::quit();
}

} // namespace Globals
