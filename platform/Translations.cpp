#include "platform/Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

QString& Loaded() {
    static QString language;
    return language;
}

} // namespace

namespace Translations {

std::unique_ptr<QTranslator> Orbet() {
    auto translator = std::make_unique<QTranslator>();
    // Built into the program (qt_add_translations), named orbet_<language>.qm.
    if (!translator->load(QLocale(), QStringLiteral("orbet"), QStringLiteral("_"),
                          QStringLiteral(":/i18n"))) {
        return nullptr;
    }
    return translator;
}

QString Install(QCoreApplication& application) {
    std::unique_ptr<QTranslator> ours = Orbet();
    if (ours == nullptr) {
        return {};
    }
    const QString language = ours->language().replace(QLatin1Char('-'), QLatin1Char('_'));
    // Qt's catalogue for the same language, where Qt has one; Orbet's own carries the few Qt
    // texts the game shows for a language Qt does not speak. Looked up last-installed first.
    auto* qt = new QTranslator(&application);
    if (qt->load(QLocale(language), QStringLiteral("qt"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    QTranslator* own = ours.release();
    own->setParent(&application);
    QCoreApplication::installTranslator(own);
    Loaded() = language;
    // Right to left where the catalogue says so, before any window is made.
    if (auto* gui = qobject_cast<QGuiApplication*>(&application)) {
        gui->setLayoutDirection(
            QGuiApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") ==
                    QLatin1String("RTL")
                ? Qt::RightToLeft
                : Qt::LeftToRight);
    }
    return language;
}

QString Language() {
    return Loaded();
}

} // namespace Translations
