#include "platform/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
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
    Loaded().clear();
    std::unique_ptr<QTranslator> ours = Orbet();
    if (ours == nullptr) {
        // The texts stay English, whose plural forms ("new ball:" for one) need its catalogue.
        auto* english = new QTranslator(&application);
        if (english->load(QStringLiteral(":/i18n/orbet_en.qm"))) {
            QCoreApplication::installTranslator(english);
        } else {
            delete english;
        }
        return {};
    }
    // As the catalogue is named (orbet_de.qm, orbet_pt_BR.qm), which the help pages follow.
    const QString language = QFileInfo(ours->filePath())
                                 .completeBaseName()
                                 .section(QLatin1Char('_'), 1, -1, QString::SectionSkipEmpty);
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
    // Installing a catalogue has already set the direction it gives: right to left for Arabic
    // and Hebrew, turned round by -reverse on the command line.
    return language;
}

QString Language() {
    return Loaded();
}

} // namespace Translations
