#pragma once

#include <QString>

// Where one of the program's data files (the help page, a sound) lies: beside the program when
// it is there, as in the build tree, otherwise in ../share/orbet from the program's folder, as
// once installed. Each file is looked for on its own.
QString DataFile(const QString& name);
QString DataFileFor(const QString& programFolder, const QString& name);

// The data file in a language ("orbet_de.html" for "orbet.html" in "de") where there is one,
// otherwise the file itself; no language, the file itself.
QString DataFileIn(const QString& name, const QString& language);
QString DataFileInFor(const QString& programFolder, const QString& name, const QString& language);
