#include "app/ScreenFollower.h"

#include "app/GameArea.h"
#include "board/AreaLayout.h"
#include "platform/WindowSurface.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

#include <cmath>

namespace {

// At a fractional scale factor Qt rounds the game area's top and bottom edges to device pixels
// each on its own: when the top rounds up and the bottom does not, the area gets one device row
// fewer than the surface has, and the surface's last row is never shown. The menu bar above the
// area grows by a pixel or two until the top rounds down, or both edges round up together.
// The area's top is the menu bar's own top (below a title bar of the window's own, if any) plus
// its height. Each pixel moves the top's fraction on by the ratio's own fraction, so a height
// that fits comes within a few pixels for the ratios desktops use (at most 5 for tenths, 4 for
// eighths); only ratios within 1/32 of a whole number can need more than the 16 tried, and for
// those the bar keeps its height and the sliver below the side panel's lower edge is cut.
int MenuHeightThatFits(int natural, int above, qreal ratio) {
    constexpr double kMargin = 1.0 / 64; // Qt's own roundings may differ right at a half
    const double area = CLIENT_HEIGHT * ratio;
    const double areaFraction = area - std::floor(area);
    for (int height = natural; height <= natural + 16; ++height) {
        const double top = (above + height) * ratio;
        const double fraction = top - std::floor(top);
        if (fraction < 0.5 - kMargin || fraction > 1 - 1e-9 ||
            (fraction > 0.5 + kMargin && fraction + areaFraction > 1.5 + kMargin)) {
            return height;
        }
    }
    return natural;
}

} // namespace

ScreenFollower::ScreenFollower(QMainWindow& window, GameArea& area, WindowSurface& surface,
                               std::function<void()> redraw)
    : QObject(&window), mWindow(window), mArea(area), mSurface(surface),
      mRedraw(std::move(redraw)) {
    window.installEventFilter(this); // a title bar of the window's own moves the menu bar down
    FitMenuBar();
}

void ScreenFollower::MatchDevicePixelRatio() {
    const qreal ratio = mArea.PictureRatio();
    if (!qFuzzyCompare(mSurface.DevicePixelRatio(), ratio)) {
        mSurface.setDevicePixelRatio(ratio);
        mRedraw();
    }
}

bool ScreenFollower::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &mWindow && event->type() == QEvent::ContentsRectChange) {
        FitMenuBar();
    }
    return false;
}

// On another screen, or on one whose scale changed, where Qt gives the window the new ratio.
// On Wayland Qt 6.4 gives it only to a window that enters another output: a window whose own
// output is rescaled keeps its ratio, and the compositor scales its picture.
void ScreenFollower::Follow() {
    MatchDevicePixelRatio();
    mArea.FitToScreen();
    FitMenuBar();
}

// Also undoes a height fixed for an earlier ratio. On X11 the window system keeps a window's
// size in device pixels when its scale changes, so the window takes its own size back. A zoomed
// area has a device row to spare, and the bar keeps its own height.
void ScreenFollower::FitMenuBar() {
    QMenuBar* bar = mWindow.menuBar();
    const int natural = bar->sizeHint().height();
    bar->setFixedHeight(mArea.Zoom() > 1.0
                            ? natural
                            : MenuHeightThatFits(natural, mWindow.contentsMargins().top(),
                                                 mWindow.devicePixelRatioF()));
    mWindow.layout()->activate();
    if (mWindow.size() != mWindow.minimumSize()) {
        mWindow.resize(mWindow.minimumSize());
    }
}
