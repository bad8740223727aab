#pragma once

// The game the tools draw: a main window over a throwaway settings folder, so never the
// user's own table, with one score in the table, a seeded deal and no sound.

#include "app/clsHelp.h"
#include "app/frmMain.h"
#include "platform/RandomSource.h"
#include "platform/SoundPlayer.h"
#include "scores/clsStatistics.h"

#include <QSettings>
#include <QTemporaryDir>

class SampleGame {
public:
    frmMain& Window() { return mWindow; }
    clsStatistics& Statistics() { return mStatistics; }

private:
    class Silent : public SoundPlayer {
    public:
        void PlaySound(const QString&) override {}
    };
    // Points the settings at the folder before the table first reads them.
    struct Settings {
        Settings() {
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        }
        QTemporaryDir folder;
    };

    Settings mSettings;
    clsStatistics mStatistics;
    // Filled before the window reads its high score.
    [[maybe_unused]] const bool mScored = mStatistics.AddStatistic(QStringLiteral("Ada"), 1250);
    clsHelp mHelp;
    ClockRandomSource mRandom{20261207};
    Silent mSound;
    frmMain mWindow{frmMain::Services{mStatistics, mHelp, mRandom, mSound}};
};
