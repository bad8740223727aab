#pragma once

#include <QAccessible>
#include <QTextBrowser>

// The help window's text view. Esc and Ctrl+W close it. Screen readers see its text as a
// document; while one listens, the arrow keys move a caret through the text for it to read.
// Otherwise they scroll the text as before, and no caret shows.
class HelpBrowser : public QTextBrowser, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent);
    ~HelpBrowser() override;
    HelpBrowser(const HelpBrowser&) = delete;
    HelpBrowser& operator=(const HelpBrowser&) = delete;

private:
    void accessibilityActiveChanged(bool active) override;
};
