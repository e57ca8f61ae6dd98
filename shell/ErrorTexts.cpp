#include "shell/ErrorTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <span>

namespace {

// Whole messages; %1, %2 … stand for the parts that vary.
const char* const Messages[] = {
  QT_TRANSLATE_NOOP("ErrorTexts", "There is no audio device to play music on."),
  QT_TRANSLATE_NOOP("ErrorTexts", "Music needs a General-MIDI soundfont, and none is installed (Debian's package timgm6mb-soundfont has one)."),
  QT_TRANSLATE_NOOP("ErrorTexts", "The soundfont \"%1\" cannot be loaded."),
  QT_TRANSLATE_NOOP("ErrorTexts", "\"%1\" is not a readable file."),
  QT_TRANSLATE_NOOP("ErrorTexts", "\"%1\" is too large for a MIDI file."),
  QT_TRANSLATE_NOOP("ErrorTexts", "\"%1\" is not a MIDI file."),
  QT_TRANSLATE_NOOP("ErrorTexts", "\"%1\" is a damaged or truncated MIDI file."),
  QT_TRANSLATE_NOOP("ErrorTexts", "The sound library libtrivolo_audio.so is missing."),
  QT_TRANSLATE_NOOP("ErrorTexts", "The settings file \"%1\" could not be read, because %2. The game starts with its defaults."),
  QT_TRANSLATE_NOOP("ErrorTexts", "The settings file \"%1\" could not be written, because %2. It keeps what it held before; not saved: %3."),
  QT_TRANSLATE_NOOP("ErrorTexts", "The help file \"%1\" holds no topic %2."),
  QT_TRANSLATE_NOOP("ErrorTexts", "The help file \"%1\" is missing."),
  QT_TRANSLATE_NOOP("ErrorTexts", "An unexpected error occurred."),
};

// The reasons that the settings messages give in their "because" part.
const char* const Reasons[] = {
  QT_TRANSLATE_NOOP("ErrorTexts", "it cannot be read"),
  QT_TRANSLATE_NOOP("ErrorTexts", "it is not a regular file"),
  QT_TRANSLATE_NOOP("ErrorTexts", "it is too large to be a settings file"),
  QT_TRANSLATE_NOOP("ErrorTexts", "its file system is read-only"),
  QT_TRANSLATE_NOOP("ErrorTexts", "the disk is full"),
  QT_TRANSLATE_NOOP("ErrorTexts", "another program holds its lock \"%1\" (or it cannot be read)"),
  QT_TRANSLATE_NOOP("ErrorTexts", "its folder cannot be written to"),
  QT_TRANSLATE_NOOP("ErrorTexts", "its lock \"%1\" cannot be made"),
};

// The translation of a text that one of the entries matches as a whole, with
// the varying parts put in (themselves translated as reasons where they are
// one); nothing when none matches.
QString Translated(const QString& text, std::span<const char* const> table)
{
  static const QRegularExpression placeholder(QStringLiteral("%\\d"));
  for (const char* const entry : table) {
    const QString english = QString::fromUtf8(entry);
    QString pattern;
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(english); it.hasNext();) {
      const QRegularExpressionMatch mark = it.next();
      pattern += QRegularExpression::escape(english.mid(from, mark.capturedStart() - from)) + QStringLiteral("(.+?)");
      from = mark.capturedEnd();
    }
    pattern += QRegularExpression::escape(english.mid(from));
    const QRegularExpressionMatch match = QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text);
    if (!match.hasMatch())
      continue;
    QStringList parts;
    for (int i = 1; i <= match.lastCapturedIndex(); ++i) {
      const QString reason = table.data() == Reasons ? QString() : Translated(match.captured(i), Reasons);
      parts << (reason.isEmpty() ? match.captured(i) : reason);
    }
    // In one pass, so that a part that holds "%2" itself stays as it is.
    const QString translated = QCoreApplication::translate("ErrorTexts", entry);
    QString filled;
    for (qsizetype i = 0; i < translated.size(); ++i) {
      if (translated[i] == QLatin1Char('%') && i + 1 < translated.size() && translated[i + 1].isDigit())
        filled += parts.value(translated[++i].digitValue() - 1);
      else
        filled += translated[i];
    }
    return filled;
  }
  return QString();
}

} // namespace

QString SayError(const QString& english)
{
  const QString said = Translated(english, Messages);
  return said.isEmpty() ? english : said;
}
