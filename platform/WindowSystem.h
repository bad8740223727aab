#pragma once

#include <QApplication>

#include <memory>

// Opens the window system for the program. Where none can be reached (a text console, a
// shell without a display), Qt would report its plugins and abort with a core dump; this says
// so in one line on stderr and ends the program with status 1 instead. Where a desktop session
// is there but the plugin asked for (-platform, QT_QPA_PLATFORM) is missing or cannot start,
// it names the plugin and what to do, with Qt's reason on a second line.
std::unique_ptr<QApplication> OpenWindowSystem(int& argc, char** argv);

// Closes the window system at the end. Qt 6.4's Wayland plugin stops its event thread as the
// application goes, and a thread told to stop just after the last events were read can wait for
// ever for a read that never comes: it is given a moment to settle first.
void CloseWindowSystem(std::unique_ptr<QApplication> application);
