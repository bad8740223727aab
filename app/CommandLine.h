#pragma once

#include <optional>

// The program's command line: --help and --version, and Qt's own options (-platform, -style
// ...), which the window system takes for itself. Looked at before the window system is opened,
// so that it is answered, or refused, without one.
namespace CommandLine {

// The exit status when the program should end here instead of starting the game: 0 after
// --help or --version, 2 with the usage on stderr for anything that is neither ours nor Qt's.
std::optional<int> Answer(int argc, char** argv);

} // namespace CommandLine
