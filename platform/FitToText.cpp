#include "platform/FitToText.h"

#include <QLabel>
#include <QRegularExpression>

void FitToText(QLabel& label) {
    label.adjustSize();
    const QString shown =
        QString(label.text()).remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
    const QRect ink = label.fontMetrics().boundingRect(shown);
    const int margins = label.width() - label.contentsRect().width();
    if (ink.width() + margins > label.width()) {
        label.resize(ink.width() + margins, label.height());
    }
}
