#pragma once

#include <memory>

class clsHelp;
class clsStatistics;

// The objects the whole program shares, and its start and end.
namespace Globals {

extern std::unique_ptr<clsStatistics> gclsStatistics;
extern std::unique_ptr<clsHelp> gclsHelp;

// Creates the shared objects and shows the main window; the program then runs until the
// window closes.
void Main();
// Releases the shared objects and ends the program; once the event loop has ended for any
// reason, main calls it again to be sure nothing outlives the application object.
void ShutDown();

} // namespace Globals
