#pragma once

#include <QtGlobal>

// Qt's own texts that the game shows: the buttons of its message boxes, the menus of its text
// fields, and the direction its layouts run in. Orbet's catalogues carry them too, in Qt's
// own words where Qt speaks the language, and for the languages it does not (Hindi); looked up
// first, they are the ones shown. Listed here, never read, so that the translation tools find
// them.
inline constexpr const char* QT_TEXTS_SHOWN[][2] = {
    // "LTR", or "RTL" for a language written from right to left.
    {"QGuiApplication", QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "OK")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "&No")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Undo")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Redo")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Cu&t")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Copy")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Paste")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Delete")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Select All")},
    {"QWidgetTextControl", QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy")},
    {"QWidgetTextControl", QT_TRANSLATE_NOOP("QWidgetTextControl", "Copy &Link Location")},
    {"QWidgetTextControl", QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All")},
};
