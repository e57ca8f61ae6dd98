#include "shell/CardNames.h"

#include "game/CardCode.h"

#include <QCoreApplication>

namespace {

// One phrase for each number and shape, with the colour (%1) and the fill
// (%2) put in: each language orders them its way.
const char* const Phrases[3][3] = {
  { QT_TRANSLATE_NOOP("CardNames", "one %1 %2 square"), QT_TRANSLATE_NOOP("CardNames", "one %1 %2 circle"),
    QT_TRANSLATE_NOOP("CardNames", "one %1 %2 triangle") },
  { QT_TRANSLATE_NOOP("CardNames", "two %1 %2 squares"), QT_TRANSLATE_NOOP("CardNames", "two %1 %2 circles"),
    QT_TRANSLATE_NOOP("CardNames", "two %1 %2 triangles") },
  { QT_TRANSLATE_NOOP("CardNames", "three %1 %2 squares"), QT_TRANSLATE_NOOP("CardNames", "three %1 %2 circles"),
    QT_TRANSLATE_NOOP("CardNames", "three %1 %2 triangles") },
};

struct TAdjective {
  const char* Source;
  const char* Phrase;
};

enum TAdjectiveRow { arBlue, arGreen, arRed, arBlack, arOrange, arEmpty, arSolid, arHatched };

// Each adjective once for each phrase it goes into (named as the
// disambiguation), so that it can agree with the noun, its number and its
// case as the language asks.
// clang-format off
const TAdjective Adjectives[8][9] = {
  {
    QT_TRANSLATE_NOOP3("CardNames", "blue", "one square"),
    QT_TRANSLATE_NOOP3("CardNames", "blue", "one circle"),
    QT_TRANSLATE_NOOP3("CardNames", "blue", "one triangle"),
    QT_TRANSLATE_NOOP3("CardNames", "blue", "two squares"),
    QT_TRANSLATE_NOOP3("CardNames", "blue", "two circles"),
    QT_TRANSLATE_NOOP3("CardNames", "blue", "two triangles"),
    QT_TRANSLATE_NOOP3("CardNames", "blue", "three squares"),
    QT_TRANSLATE_NOOP3("CardNames", "blue", "three circles"),
    QT_TRANSLATE_NOOP3("CardNames", "blue", "three triangles") },
  {
    QT_TRANSLATE_NOOP3("CardNames", "green", "one square"),
    QT_TRANSLATE_NOOP3("CardNames", "green", "one circle"),
    QT_TRANSLATE_NOOP3("CardNames", "green", "one triangle"),
    QT_TRANSLATE_NOOP3("CardNames", "green", "two squares"),
    QT_TRANSLATE_NOOP3("CardNames", "green", "two circles"),
    QT_TRANSLATE_NOOP3("CardNames", "green", "two triangles"),
    QT_TRANSLATE_NOOP3("CardNames", "green", "three squares"),
    QT_TRANSLATE_NOOP3("CardNames", "green", "three circles"),
    QT_TRANSLATE_NOOP3("CardNames", "green", "three triangles") },
  {
    QT_TRANSLATE_NOOP3("CardNames", "red", "one square"),
    QT_TRANSLATE_NOOP3("CardNames", "red", "one circle"),
    QT_TRANSLATE_NOOP3("CardNames", "red", "one triangle"),
    QT_TRANSLATE_NOOP3("CardNames", "red", "two squares"),
    QT_TRANSLATE_NOOP3("CardNames", "red", "two circles"),
    QT_TRANSLATE_NOOP3("CardNames", "red", "two triangles"),
    QT_TRANSLATE_NOOP3("CardNames", "red", "three squares"),
    QT_TRANSLATE_NOOP3("CardNames", "red", "three circles"),
    QT_TRANSLATE_NOOP3("CardNames", "red", "three triangles") },
  {
    QT_TRANSLATE_NOOP3("CardNames", "black", "one square"),
    QT_TRANSLATE_NOOP3("CardNames", "black", "one circle"),
    QT_TRANSLATE_NOOP3("CardNames", "black", "one triangle"),
    QT_TRANSLATE_NOOP3("CardNames", "black", "two squares"),
    QT_TRANSLATE_NOOP3("CardNames", "black", "two circles"),
    QT_TRANSLATE_NOOP3("CardNames", "black", "two triangles"),
    QT_TRANSLATE_NOOP3("CardNames", "black", "three squares"),
    QT_TRANSLATE_NOOP3("CardNames", "black", "three circles"),
    QT_TRANSLATE_NOOP3("CardNames", "black", "three triangles") },
  {
    QT_TRANSLATE_NOOP3("CardNames", "orange", "one square"),
    QT_TRANSLATE_NOOP3("CardNames", "orange", "one circle"),
    QT_TRANSLATE_NOOP3("CardNames", "orange", "one triangle"),
    QT_TRANSLATE_NOOP3("CardNames", "orange", "two squares"),
    QT_TRANSLATE_NOOP3("CardNames", "orange", "two circles"),
    QT_TRANSLATE_NOOP3("CardNames", "orange", "two triangles"),
    QT_TRANSLATE_NOOP3("CardNames", "orange", "three squares"),
    QT_TRANSLATE_NOOP3("CardNames", "orange", "three circles"),
    QT_TRANSLATE_NOOP3("CardNames", "orange", "three triangles") },
  {
    QT_TRANSLATE_NOOP3("CardNames", "empty", "one square"),
    QT_TRANSLATE_NOOP3("CardNames", "empty", "one circle"),
    QT_TRANSLATE_NOOP3("CardNames", "empty", "one triangle"),
    QT_TRANSLATE_NOOP3("CardNames", "empty", "two squares"),
    QT_TRANSLATE_NOOP3("CardNames", "empty", "two circles"),
    QT_TRANSLATE_NOOP3("CardNames", "empty", "two triangles"),
    QT_TRANSLATE_NOOP3("CardNames", "empty", "three squares"),
    QT_TRANSLATE_NOOP3("CardNames", "empty", "three circles"),
    QT_TRANSLATE_NOOP3("CardNames", "empty", "three triangles") },
  {
    QT_TRANSLATE_NOOP3("CardNames", "solid", "one square"),
    QT_TRANSLATE_NOOP3("CardNames", "solid", "one circle"),
    QT_TRANSLATE_NOOP3("CardNames", "solid", "one triangle"),
    QT_TRANSLATE_NOOP3("CardNames", "solid", "two squares"),
    QT_TRANSLATE_NOOP3("CardNames", "solid", "two circles"),
    QT_TRANSLATE_NOOP3("CardNames", "solid", "two triangles"),
    QT_TRANSLATE_NOOP3("CardNames", "solid", "three squares"),
    QT_TRANSLATE_NOOP3("CardNames", "solid", "three circles"),
    QT_TRANSLATE_NOOP3("CardNames", "solid", "three triangles") },
  {
    QT_TRANSLATE_NOOP3("CardNames", "hatched", "one square"),
    QT_TRANSLATE_NOOP3("CardNames", "hatched", "one circle"),
    QT_TRANSLATE_NOOP3("CardNames", "hatched", "one triangle"),
    QT_TRANSLATE_NOOP3("CardNames", "hatched", "two squares"),
    QT_TRANSLATE_NOOP3("CardNames", "hatched", "two circles"),
    QT_TRANSLATE_NOOP3("CardNames", "hatched", "two triangles"),
    QT_TRANSLATE_NOOP3("CardNames", "hatched", "three squares"),
    QT_TRANSLATE_NOOP3("CardNames", "hatched", "three circles"),
    QT_TRANSLATE_NOOP3("CardNames", "hatched", "three triangles") },
};
// clang-format on

} // namespace

QString CardName(int code, bool easyColours)
{
  if (code < 1 || code > 81)
    return QCoreApplication::translate("CardNames", "empty", "no card");
  const int colour = AttrDigit(code, adColour), shape = AttrDigit(code, adShape), fill = AttrDigit(code, adFill),
            number = AttrDigit(code, adNumber);
  static const TAdjectiveRow standard[] = { arBlue, arGreen, arRed };
  static const TAdjectiveRow easy[] = { arBlue, arBlack, arOrange };
  static const TAdjectiveRow fills[] = { arEmpty, arSolid, arHatched };
  const auto word = [&](TAdjectiveRow row) {
    const TAdjective& adjective = Adjectives[row][number * 3 + shape];
    return QCoreApplication::translate("CardNames", adjective.Source, adjective.Phrase);
  };
  return QCoreApplication::translate("CardNames", Phrases[number][shape])
    .arg(word((easyColours ? easy : standard)[colour]), word(fills[fill]));
}
