#pragma once

// The game the tools draw: a main window over a throwaway settings folder, so never the
// user's own table, with one score in the table, a seeded deal and no sound.

#include "app/clsHelp.h"
#include "app/frmMain.h"
#include "platform/RandomSource.h"
#include "scores/clsStatistics.h"
#include "support/Fakes.h"

class SampleGame {
public:
    frmMain& Window() { return mWindow; }
    clsStatistics& Statistics() { return mStatistics; }

private:
    IsolatedSettings mSettings; // before the table first reads them
    clsStatistics mStatistics;
    // Filled before the window reads its high score.
    [[maybe_unused]] const bool mScored = mStatistics.AddStatistic(QStringLiteral("Ada"), 1250);
    clsHelp mHelp;
    ClockRandomSource mRandom{20261207};
    RecordingSoundPlayer mSound; // heard by nobody
    frmMain mWindow{frmMain::Services{{mStatistics, mRandom, mSound}, mHelp}};
};
