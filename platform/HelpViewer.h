#pragma once

#include <QString>

class QWidget;

// Shows an HTML help file in one non-modal window owned by the calling window, at its first
// page or at a topic (an anchor in the file). Never blocks; a missing file shows a short notice.
// Esc and Ctrl+W close the window.
void HtmlHelp(QWidget* window, const QString& file, const QString& topic);
