#pragma once

#include <QTextBrowser>

// The help window's text view. Esc and Ctrl+W close it.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent);
};
