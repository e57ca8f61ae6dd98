#include "shell/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <array>
#include <memory>

namespace {

struct TLanguageInfo {
  const char* Code;
  const char* Line; // the question's answer, in the language itself
};

const std::array<TLanguageInfo, LanguageCount> Languages { {
  { "de", "Ich spreche deutsch" },
  { "en", "I speak English" },
  { "fr", "Je parle français" },
  { "es", "Hablo español" },
  { "it", "Parlo italiano" },
  { "nl", "Ik spreek Nederlands" },
  { "pl", "Mówię po polsku" },
  { "pt_BR", "Eu falo português" },
  { "sv", "Jag talar svenska" },
  { "ru", "Я говорю по-русски" },
} };

struct TInstalled {
  TLanguage Language = lgEnglish;
  std::unique_ptr<QTranslator> Game;
  std::unique_ptr<QTranslator> Toolkit;
};

TInstalled& Installed()
{
  static TInstalled installed;
  return installed;
}

} // namespace

QString LanguageCode(TLanguage language)
{
  return QString::fromLatin1(Languages[static_cast<std::size_t>(language)].Code);
}

std::optional<TLanguage> LanguageOfCode(const QString& code)
{
  for (int i = 0; i < LanguageCount; ++i)
    if (code == QLatin1String(Languages[static_cast<std::size_t>(i)].Code))
      return TLanguage(i);
  return std::nullopt;
}

std::optional<TLanguage> DesktopLanguage(const QStringList& uiLanguages)
{
  for (const QString& entry : uiLanguages) {
    // "pt-BR", "pt_BR.UTF-8", "sr@latin": the language is what comes before
    // the first separator; every Portuguese reads the Brazilian texts.
    qsizetype end = 0;
    while (end < entry.size() && entry[end].isLetter())
      ++end;
    const QString language = entry.left(end).toLower();
    if (language.isEmpty())
      continue;
    const std::optional<TLanguage> known = language == QLatin1String("pt") ? lgPortuguese : LanguageOfCode(language);
    if (!known)
      continue;
    if (*known == lgGerman || *known == lgEnglish)
      return std::nullopt;
    return known;
  }
  return std::nullopt;
}

QStringList SystemLanguages()
{
  return QLocale::system().uiLanguages();
}

QString SpokenLine(TLanguage language)
{
  return QString::fromUtf8(Languages[static_cast<std::size_t>(language)].Line);
}

int HelpContext(TLanguage language)
{
  return static_cast<int>(language) + 1;
}

void UseLanguage(TLanguage language)
{
  TInstalled& installed = Installed();
  if (installed.Language == language)
    return;
  for (std::unique_ptr<QTranslator>* old : { &installed.Game, &installed.Toolkit })
    if (*old) {
      QCoreApplication::removeTranslator(old->get());
      old->reset();
    }
  installed.Language = language;
  if (language == lgEnglish)
    return;
  const QString code = LanguageCode(language);
  // The game's texts are part of the program; the toolkit's (a text box's
  // menu, the standard buttons) come with the toolkit, where they may be
  // missing: then those stay English.
  auto game = std::make_unique<QTranslator>();
  if (game->load(QStringLiteral(":/i18n/trivolo_") + code))
    QCoreApplication::installTranslator(game.get());
  auto toolkit = std::make_unique<QTranslator>();
  if (toolkit->load(QStringLiteral("qt_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(toolkit.get());
  installed.Game = std::move(game);
  installed.Toolkit = std::move(toolkit);
}

TLanguage LanguageInUse()
{
  return Installed().Language;
}
