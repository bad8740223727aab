#pragma once

#include <QIcon>
#include <QString>

#include <cstdint>

// The program's own facts: its title and maker, version information and icon.
struct App {
    static QString Title() { return QStringLiteral("Orbet"); }
    static QString Maker() { return QStringLiteral("Hollenby Ltd"); }
    // Where the options and the High Score table are stored, as "Maker\Product".
    static QString SettingsApplication() { return Maker() + QLatin1Char('\\') + Title(); }
    static int32_t Major() { return ORBET_VERSION_MAJOR; }
    static int32_t Minor() { return ORBET_VERSION_MINOR; }
    static int32_t Revision() { return ORBET_VERSION_PATCH; }
    // In the player's language; the maker's name stays as it is.
    static QString LegalCopyright();
    // The 32 × 32 and 16 × 16 program icon, made once.
    static const QIcon& Icon();
};

// The frame of the program's dialogs: a title and a close button, no resizing.
constexpr Qt::WindowFlags DIALOG_FRAME = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;
