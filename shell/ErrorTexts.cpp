#include "shell/ErrorTexts.h"

#include <QRegularExpression>

#include <span>

namespace {

struct TText {
  const char* English; // %1, %2 … stand for the parts that vary
  const char* German;
};

// Whole messages.
const TText Messages[] = {
  { "There is no audio device to play music on.", "Es gibt kein Audiogerät, auf dem Musik spielen könnte." },
  { "Music needs a General-MIDI soundfont, and none is installed (Debian's package timgm6mb-soundfont has one).",
    "Für die Musik fehlt eine General-MIDI-Soundfont (Debians Paket timgm6mb-soundfont enthält eine)." },
  { "The soundfont \"%1\" cannot be loaded.", "Die Soundfont \"%1\" lässt sich nicht laden." },
  { "\"%1\" is not a readable file.", "\"%1\" ist keine lesbare Datei." },
  { "\"%1\" is too large for a MIDI file.", "\"%1\" ist zu groß für eine MIDI-Datei." },
  { "\"%1\" is not a MIDI file.", "\"%1\" ist keine MIDI-Datei." },
  { "\"%1\" is a damaged or truncated MIDI file.", "\"%1\" ist eine beschädigte oder unvollständige MIDI-Datei." },
  { "The sound library libtrivolo_audio.so is missing.", "Die Klangbibliothek libtrivolo_audio.so fehlt." },
  { "The settings file \"%1\" could not be read, because %2. The game starts with its defaults.",
    "Die Einstellungsdatei \"%1\" ließ sich nicht lesen, weil %2. Das Spiel beginnt mit seinen Voreinstellungen." },
  { "The settings file \"%1\" could not be written, because %2. It keeps what it held before; not saved: %3.",
    "Die Einstellungsdatei \"%1\" ließ sich nicht schreiben, weil %2. Sie behält, was sie vorher enthielt; nicht gespeichert: %3." },
  { "The help file \"%1\" holds no topic %2.", "Die Hilfedatei \"%1\" enthält kein Thema %2." },
  { "The help file \"%1\" is missing.", "Die Hilfedatei \"%1\" fehlt." },
  { "An unexpected error occurred.", "Ein unerwarteter Fehler ist aufgetreten." },
};

// The reasons that the settings messages give in their "because" part.
const TText Reasons[] = {
  { "it cannot be read", "sie nicht lesbar ist" },
  { "it is not a regular file", "sie keine gewöhnliche Datei ist" },
  { "it is too large to be a settings file", "sie zu groß für eine Einstellungsdatei ist" },
  { "its file system is read-only", "ihr Dateisystem schreibgeschützt ist" },
  { "the disk is full", "der Datenträger voll ist" },
  { "another program holds its lock \"%1\" (or it cannot be read)", "ein anderes Programm ihre Sperre \"%1\" hält (oder sie nicht lesbar ist)" },
  { "its folder cannot be written to", "ihr Ordner nicht beschreibbar ist" },
  { "its lock \"%1\" cannot be made", "sich ihre Sperre \"%1\" nicht anlegen lässt" },
};

// The German of a text that one of the entries matches as a whole, with the
// varying parts put in (themselves translated as reasons where they are
// one); nothing when none matches.
QString Translated(const QString& text, std::span<const TText> table)
{
  static const QRegularExpression placeholder(QStringLiteral("%\\d"));
  for (const TText& entry : table) {
    const QString english = QString::fromUtf8(entry.English);
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
    const QString german = QString::fromUtf8(entry.German);
    QString filled;
    for (qsizetype i = 0; i < german.size(); ++i) {
      if (german[i] == QLatin1Char('%') && i + 1 < german.size() && german[i + 1].isDigit())
        filled += parts.value(german[++i].digitValue() - 1);
      else
        filled += german[i];
    }
    return filled;
  }
  return QString();
}

} // namespace

QString SayError(const QString& english, bool german)
{
  if (!german)
    return english;
  const QString said = Translated(english, Messages);
  return said.isEmpty() ? english : said;
}
