#pragma once

#include <functional>

class QWidget;

// Calls changed() once control is back in the event loop, whenever the window may have come to
// another device pixel ratio: it moved to another screen (a monitor of another scale on X11,
// another output on Wayland), or its screen changed its scale or size (a Wayland output scaled
// while the window stays on it, a lower resolution), or the room it leaves for windows. Qt tells of
// these only through the screen's own signals.
void WhenScreenMayChange(QWidget& window, std::function<void()> changed);
