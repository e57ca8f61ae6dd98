#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The languages the program speaks, in the order the options' language
// button steps through them.
enum TLanguage : int {
  lgGerman,
  lgEnglish,
  lgFrench,
  lgSpanish,
  lgItalian,
  lgDutch,
  lgPolish,
  lgPortuguese, // as spoken in Brazil
  lgSwedish,
  lgRussian,
};
constexpr int LanguageCount = 10;

// The code of a language's translation files and of its stored value:
// "de", "en", "fr", ..., "pt_BR".
QString LanguageCode(TLanguage language);
// The language of a code, as stored or as a translation file names it;
// nothing for anything else.
std::optional<TLanguage> LanguageOfCode(const QString& code);
// The language the desktop asks for first (its list as
// QLocale::uiLanguages() gives it: "fr-FR", "pt-BR", ...), when it is one of
// the eight beyond German and English; nothing when it is German, English or
// one the program does not speak.
std::optional<TLanguage> DesktopLanguage(const QStringList& uiLanguages);
// The desktop's own languages, as the system locale gives them.
QStringList SystemLanguages();
// The line that answers the language question in the language itself
// ("Je parle français").
QString SpokenLine(TLanguage language);
// The rules' topic in the help file: 1 German, 2 English, 3 onwards the
// others in the order above.
int HelpContext(TLanguage language);

// Installs the translations of a language for the whole program (the game's
// own texts and the toolkit's), replacing those of the language before;
// every window then gets a LanguageChange event. English needs none.
void UseLanguage(TLanguage language);
TLanguage LanguageInUse();
