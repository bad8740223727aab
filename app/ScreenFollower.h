#pragma once

#include <QObject>

#include <functional>

class GameArea;
class QMainWindow;
class WindowSurface;

// Keeps the game's window looking as if it had started on the screen it is on now: the surface
// drawn at the window's device pixel ratio times the area's zoom, the game area on a whole device
// pixel below the title and menu bars, and the same size in logical pixels. It never makes the
// native window anew, so the focus, the stacking and the game's other windows are left as they
// are.
class ScreenFollower : public QObject {
public:
    // redraw() paints the game on the surface once it has been made at a new ratio.
    ScreenFollower(QMainWindow& window, GameArea& area, WindowSurface& surface,
                   std::function<void()> redraw);

    // Makes the surface anew at the window's ratio times the zoom, where it is at another.
    void MatchDevicePixelRatio();
    // The window as it should be on its screen now, or at the area's zoom once it has changed:
    // to be called whenever the screen may have changed.
    void Follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitMenuBar();

    QMainWindow& mWindow;
    GameArea& mArea;
    WindowSurface& mSurface;
    std::function<void()> mRedraw;
};
