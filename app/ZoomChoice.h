#pragma once

#include "app/Zoom.h"

#include <QObject>

class GameArea;
class QActionGroup;
class QMainWindow;
class ScreenFollower;

// The game area's zoom: the player's choice among the Zoom menu's steps, its keys and Ctrl with
// the wheel, shown as far as the screen the window stands on has room for the window, frame
// and bars included. Only the steps that fit can be chosen; the choice is kept when the screen
// leaves less room, and stored once its new size has been drawn.
class ZoomChoice : public QObject {
public:
    // The group holds the menu's entries, each with its step as data.
    ZoomChoice(QMainWindow& window, GameArea& area, ScreenFollower& follower, QActionGroup& steps);

    void Choose(int32_t step); // in percent
    // Larger (positive) or smaller, by as many steps as fit.
    void StepBy(int steps);
    // Shows the step chosen, or the largest smaller one that fits.
    void Fit();
    // Stores a step chosen and not yet stored: once drawn, or at the close.
    void Store();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Fits(int32_t step) const;

    QMainWindow& mWindow;
    GameArea& mArea;
    ScreenFollower& mFollower;
    QActionGroup& mSteps;
    int32_t mChosen = Zoom::NONE;
    int32_t mShown = Zoom::NONE;
    int32_t mToStore = 0; // a step chosen, to be stored once drawn
};
