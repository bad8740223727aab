#pragma once

#include <QStringList>

#include <optional>

// The program's command line: --help and --version, and Qt's own options (-platform, -style
// ...), which the window system takes for itself. Each answer returns the exit status when the
// program should end there instead of starting the game.
namespace CommandLine {

// Answers --help and --version before the window system is opened, so they work without one.
std::optional<int> AnswerBeforeStart(int argc, char** argv);
// Refuses, with the usage on stderr, whatever the window system has left that is not ours.
std::optional<int> RefuseTheRest(const QStringList& arguments);

} // namespace CommandLine
