#pragma once

#include <functional>

class QWidget;

// Calls lost() once control is back in the event loop, after the window system has destroyed
// the window's native window from outside the program (as "xdotool windowclose" does on X11).
// No close request comes first, so without this the program would run on with no window.
void WhenNativeWindowLost(QWidget& window, std::function<void()> lost);
