#pragma once

#include <QString>

// The folder of the help file and the sounds: beside the program in the build tree, or
// ../share/orbet from the program once installed.
QString DataFolder();
QString DataFolderFor(const QString& programFolder);
