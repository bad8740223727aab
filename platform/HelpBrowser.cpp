#include "platform/HelpBrowser.h"

#include <QKeySequence>
#include <QShortcut>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
}
