#pragma once

#include <QString>

// Text quoted inside other text, a player's name or a file's path, set apart so that its
// direction, and any direction control it holds, reaches neither the words around it nor they
// it: "1, name, 700" keeps its order in English and from right to left alike. The text itself
// is left as it is, and left-to-right text in a left-to-right sentence needs nothing around it.

// In the direction its first letter gives it, as a name is shown.
QString Isolated(const QString& text);
// Left to right whatever it holds, as a file's path reads.
QString IsolatedLeftToRight(const QString& text);
