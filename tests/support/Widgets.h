#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

// Widgets found as a player finds them: by what they show.

// The first child of a kind (a label, a button) showing a text, or nothing.
template <typename Shown> Shown* WithText(const QObject* parent, const QString& text) {
    for (Shown* child : parent->findChildren<Shown*>()) {
        if (child->text() == text) {
            return child;
        }
    }
    return nullptr;
}

// The entry of any menu or submenu showing a text, or nothing.
inline QAction* MenuEntry(const QList<QAction*>& entries, const QString& text) {
    for (QAction* entry : entries) {
        if (entry->text() == text) {
            return entry;
        }
        if (QAction* inside = entry->menu() ? MenuEntry(entry->menu()->actions(), text) : nullptr) {
            return inside;
        }
    }
    return nullptr;
}
inline QAction* MenuEntry(const QMenuBar* bar, const QString& text) {
    return MenuEntry(bar->actions(), text);
}

// What has the keys: a button's text, or the kind of any other widget; "none" when nothing
// shown has them.
inline QString FocusName() {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr || !focused->isVisible()) {
        return QStringLiteral("none");
    }
    auto* button = qobject_cast<QPushButton*>(focused);
    return button ? button->text() : QString::fromLatin1(focused->metaObject()->className());
}
