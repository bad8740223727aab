#pragma once

#include <QString>

// Where one of the program's data files (the help page, a sound) lies: beside the program when
// it is there, as in the build tree, otherwise in ../share/orbet from the program's folder, as
// once installed. Each file is looked for on its own.
QString DataFile(const QString& name);
QString DataFileFor(const QString& programFolder, const QString& name);
