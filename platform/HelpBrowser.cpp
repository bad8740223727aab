#include "platform/HelpBrowser.h"

#include "platform/DocumentAccessible.h"

#include <QKeySequence>
#include <QShortcut>

namespace {

QAccessibleInterface* HelpFactory(const QString&, QObject* object) {
    auto* browser = qobject_cast<HelpBrowser*>(object);
    return browser != nullptr ? new DocumentAccessible(browser) : nullptr;
}

} // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    QAccessible::installFactory(HelpFactory); // Qt keeps one of each, however often asked
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
    accessibilityActiveChanged(QAccessible::isActive());
    QAccessible::installActivationObserver(this);
}

HelpBrowser::~HelpBrowser() {
    QAccessible::removeActivationObserver(this);
}

void HelpBrowser::accessibilityActiveChanged(bool active) {
    // A screen reader reads the line, word or character the caret moves to. Without one the
    // caret would only be a blinking mark that keeps the arrow keys from scrolling.
    Qt::TextInteractionFlags flags = textInteractionFlags();
    flags.setFlag(Qt::TextSelectableByKeyboard, active);
    setTextInteractionFlags(flags);
}
