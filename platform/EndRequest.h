#pragma once

#include <functional>

class QObject;

// Calls asked() once control is back in the event loop, whenever the program is asked to end by
// a signal: SIGTERM (as a session that ends or "kill" sends it), SIGHUP (its terminal gone) or
// SIGINT (Ctrl+C there). Without this the program would end at once, as if it crashed, instead
// of closing as its window does. A signal the program was started to ignore stays ignored. It
// stops listening when owner goes, and the signals end the program again at once.
void WhenAskedToEnd(QObject& owner, std::function<void()> asked);
