#pragma once

#include "GameFixtures.h"
#include "support/WindowHarness.h"

// Sets the window up for the turn the window benchmarks measure: the crossing board with the
// piece in the bottom-right corner taken up, whose move to column 3, row 5 completes nothing,
// so that three new pieces follow.
inline void TakeUpForATurn(WindowHarness& h) {
    LayOut(h.probe().Board(), NoRun());
    h.probe().Board().BuildRoutes();
    h.probe().NextColours() = {6, 6, 6};
    h.Click(10, 10);
}
