#include "shell/CardNames.h"

#include "game/CardCode.h"

QString CardName(int code, bool german, bool easyColours)
{
  if (code < 1 || code > 81)
    return german ? QStringLiteral("leer") : QStringLiteral("empty");
  const int colour = AttrDigit(code, adColour), shape = AttrDigit(code, adShape), fill = AttrDigit(code, adFill),
            number = AttrDigit(code, adNumber);
  if (!german) {
    static const char* const numbers[] = { "one", "two", "three" };
    static const char* const standard[] = { "blue", "green", "red" };
    static const char* const easy[] = { "blue", "black", "orange" };
    const char* const* colours = easyColours ? easy : standard;
    static const char* const fills[] = { "empty", "solid", "hatched" };
    static const char* const shapes[] = { "square", "circle", "triangle" };
    return QStringLiteral("%1 %2 %3 %4%5").arg(QLatin1String(numbers[number]), QLatin1String(colours[colour]), QLatin1String(fills[fill]),
      QLatin1String(shapes[shape]), number > 0 ? QStringLiteral("s") : QString());
  }
  // Adjectives after "ein" take -es (das Quadrat, das Dreieck) or -er (der
  // Kreis); in the plural, without an article, -e.
  static const char* const numbers[] = { "ein", "zwei", "drei" };
  static const char* const standard[] = { "blau", "grün", "rot" };
  static const char* const easy[] = { "blau", "schwarz", "orangefarben" };
  const char* const* colours = easyColours ? easy : standard;
  static const char* const fills[] = { "leer", "gefüllt", "schraffiert" };
  static const char* const shapes[] = { "Quadrat", "Kreis", "Dreieck" };
  static const char* const plurals[] = { "Quadrate", "Kreise", "Dreiecke" };
  const QString ending = number > 0 ? QStringLiteral("e") : shape == 1 ? QStringLiteral("er") : QStringLiteral("es");
  return QStringLiteral("%1 %2%5 %3%5 %4")
    .arg(QString::fromUtf8(numbers[number]), QString::fromUtf8(colours[colour]), QString::fromUtf8(fills[fill]),
      QString::fromUtf8(number > 0 ? plurals[shape] : shapes[shape]), ending);
}
