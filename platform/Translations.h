#pragma once

#include <QString>

#include <memory>

class QCoreApplication;
class QTranslator;

// The player's language. Orbet's texts, and Qt's own (standard buttons and the like), are
// loaded for the first of the system's languages that Orbet speaks, in the order Qt takes them
// from the locale (QLocale().uiLanguages(), which follows LANGUAGE). For English, or a language
// Orbet has no catalogue for, every text stays as written, with its English plural forms.
namespace Translations {

// Orbet's catalogue for the player's language, or nothing; it needs no application, for what
// must be said before there is one.
std::unique_ptr<QTranslator> Orbet();
// Installs Orbet's and Qt's catalogues into the application, and returns the language loaded
// ("de", "pt_BR"), or nothing.
QString Install(QCoreApplication& application);
// The language Install loaded, or nothing.
QString Language();

} // namespace Translations
