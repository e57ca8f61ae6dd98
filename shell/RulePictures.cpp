#include "shell/RulePictures.h"

#include "assets/DlgRes.h"
#include "board/Board.h"
#include "board/QtCanvas.h"
#include "game/CardCode.h"
#include "game/GameRecord.h"
#include "shell/CardNames.h"
#include "shell/MainTexts.h"

#include <QFont>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <cmath>

namespace {

constexpr int CardCell = 72; // a card's cell in the pictures, margins included
constexpr int FacePitch = 56;
constexpr int GroupGap = 24;
constexpr int KeyLine = 18;

// A card from its four attributes: colour, shape, fill, number (0..2 each).
constexpr int Card(int colour, int shape, int fill, int number)
{
  return 1 + colour + 3 * shape + 9 * fill + 27 * number;
}

const TRuleExample SetExamples[] = {
  { "set-1", QT_TRANSLATE_NOOP("TRulePictures", "A SET: only the colour differs, everything else is alike."),
    { Card(0, 0, 0, 0), Card(1, 0, 0, 0), Card(2, 0, 0, 0) } },
  { "set-2", QT_TRANSLATE_NOOP("TRulePictures", "A SET: colour and number differ, shape and fill are alike."),
    { Card(0, 1, 1, 0), Card(1, 1, 1, 1), Card(2, 1, 1, 2) } },
  { "set-3", QT_TRANSLATE_NOOP("TRulePictures", "A SET: colour, shape and fill differ, the number is alike."),
    { Card(2, 0, 1, 1), Card(0, 1, 2, 1), Card(1, 2, 0, 1) } },
  { "set-4", QT_TRANSLATE_NOOP("TRulePictures", "A SET: all four attributes differ."),
    { Card(2, 2, 1, 0), Card(1, 1, 2, 1), Card(0, 0, 0, 2) } },
  { "no-colour", QT_TRANSLATE_NOOP("TRulePictures", "No SET: two cards have the same colour, the third has another."),
    { Card(2, 1, 0, 0), Card(2, 1, 0, 1), Card(0, 1, 0, 2) } },
  { "no-shape", QT_TRANSLATE_NOOP("TRulePictures", "No SET: two cards have the same shape, the third has another."),
    { Card(0, 2, 1, 1), Card(1, 2, 1, 1), Card(2, 0, 1, 1) } },
  { "no-fill", QT_TRANSLATE_NOOP("TRulePictures", "No SET: two cards have the same fill, the third has another."),
    { Card(1, 0, 2, 0), Card(1, 1, 2, 0), Card(1, 2, 0, 0) } },
  { "no-number", QT_TRANSLATE_NOOP("TRulePictures", "No SET: two cards have the same number of symbols, the third has another."),
    { Card(0, 1, 0, 2), Card(1, 2, 1, 2), Card(2, 0, 2, 0) } },
};

// The worked example: two attributes alike (shape, fill), two different.
constexpr int ScoreCodes[3] = { Card(0, 1, 1, 0), Card(1, 1, 1, 1), Card(2, 1, 1, 2) };

// The points that cards taken and bonus units bring, worked out by the
// game's own score (less what a game has before its first SET).
int PointsOf(int taken, int bonus)
{
  TGameRecord record;
  const int start = ComputeScore(record);
  record.TakenCount = taken;
  record.BonusSum = bonus;
  return ComputeScore(record) - start;
}

QImage Surface(int width, int height, qreal density)
{
  QImage image(static_cast<int>(std::ceil(width * density)), static_cast<int>(std::ceil(height * density)), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(density);
  image.fill(Qt::transparent);
  return image;
}

QString Escaped(const QString& text)
{
  return text.toHtmlEscaped();
}

} // namespace

TRulePictures::TRulePictures(const TBitmapList& bmps, const TDlgResources& resources)
  : Bmps(bmps)
  , Resources(resources)
{
}

std::span<const TRuleExample> TRulePictures::Examples()
{
  return SetExamples;
}

QImage TRulePictures::Cards(const int (&codes)[3], bool easyColours, qreal density) const
{
  QImage image = Surface(3 * CardCell, CardCell, density);
  TQtCanvas canvas(image, Bmps);
  for (int i = 0; i < 3; ++i)
    DrawCard(canvas, TCellRect { i * CardCell, 0, CardCell }, codes[i], false, easyColours);
  return image;
}

QImage TRulePictures::ButtonBar(qreal density) const
{
  // The bar's two groups as the window shows them, then the practice
  // button that stands left of the cards.
  static const struct {
    const char* Name;
    TButtonKey Key;
    int Group;
  } Bar[] = { { "MixBtn", bkMix, 0 }, { "StartBtn", bkStart, 0 }, { "PauseBtn", bkPause, 0 }, { "HighScoreBtn", bkHighScore, 0 },
    { "TipBtn", bkTip, 0 }, { "OptionBtn", bkOptions, 1 }, { "InfoBtn", bkInfo, 1 }, { "RulesBtn", bkRules, 1 },
    { "ExitBtn", bkExit, 1 }, { "PracticeBtn", bkPractice, 2 } };
  const int count = static_cast<int>(std::size(Bar));
  QImage image = Surface(count * FacePitch + 2 * GroupGap, 50 + KeyLine + 4, density);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  for (int i = 0; i < count; ++i) {
    const TButtonFaces& faces = FacesOf(Bar[i].Name);
    const TBitmapList& list = faces.List == flBmps ? Bmps : Resources.btns;
    const int left = i * FacePitch + Bar[i].Group * GroupGap;
    const QImage face = KeyedOut(list.Bitmap(faces.Up, density), list.TransparentColor(faces.Up));
    painter.drawImage(QRectF(left, 0, 50, 50), face);
    painter.drawText(QRectF(left - 3, 52, 56, KeyLine), Qt::AlignCenter, ButtonKeyLabel(Bar[i].Key));
  }
  return image;
}

QString TRulePictures::Example(QTextDocument& document, const QString& name, const QImage& image, const QString& text,
  const int (&codes)[3], bool easyColours) const
{
  const QUrl url(QStringLiteral("pictures:%1").arg(name));
  document.addResource(QTextDocument::ImageResource, url, image);
  QStringList cards;
  for (const int code : codes)
    cards << CardName(code, easyColours);
  const QString named = tr("The cards: %1.").arg(cards.join(QStringLiteral(", ")));
  const QSizeF size = image.deviceIndependentSize();
  return QStringLiteral("<p><img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\"><br>%5<br><small>%6</small></p>\n")
    .arg(url.toString())
    .arg(size.width())
    .arg(size.height())
    .arg(Escaped(named), Escaped(text), Escaped(named));
}

QString TRulePictures::Sets(QTextDocument& document, bool easyColours, qreal density) const
{
  QString html;
  for (const TRuleExample& example : SetExamples)
    html += Example(document, QString::fromLatin1(example.Name), Cards(example.Codes, easyColours, density), tr(example.Text),
      example.Codes, easyColours);
  return html;
}

QString TRulePictures::Score(QTextDocument& document, bool easyColours, qreal density) const
{
  const int card = PointsOf(1, 0);
  const int unit = PointsOf(0, 1);
  const int cards = PointsOf(3, 0);
  // Two attributes alike count one unit each, two different two each.
  const int alike = 2 * unit;
  const int different = 2 * 2 * unit;
  const int bonus = alike + different;
  QString html = Example(document, QStringLiteral("score"), Cards(ScoreCodes, easyColours, density),
    tr("Worked out: shape and fill are alike, colour and number differ."), ScoreCodes, easyColours);
  const QString lines[] = {
    tr("3 cards × %1 = %2 points").arg(card).arg(cards),
    tr("2 attributes alike × %1 = %2 points").arg(unit).arg(alike),
    tr("2 attributes different × %1 = %2 points").arg(2 * unit).arg(different),
    tr("With the SET detector on: %1 + %2 = %3 points").arg(cards).arg(bonus).arg(PointsOf(3, bonus / unit)),
    tr("With the SET detector off the bonus counts twice: %1 + 2 × %2 = %3 points").arg(cards).arg(bonus).arg(PointsOf(3, 2 * bonus / unit)),
  };
  html += QStringLiteral("<ul>\n");
  for (const QString& line : lines)
    html += QStringLiteral("<li>%1</li>\n").arg(Escaped(line));
  return html + QStringLiteral("</ul>\n");
}

QString TRulePictures::Buttons(QTextDocument& document, qreal density) const
{
  const QUrl url(QStringLiteral("pictures:buttons"));
  const QImage bar = ButtonBar(density);
  document.addResource(QTextDocument::ImageResource, url, bar);
  const QString text = tr("The buttons, each with its key: the bar above the cards, left and right, then the practice game's button left of the cards.");
  const QSizeF size = bar.deviceIndependentSize();
  return QStringLiteral("<p><img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\"><br>%4</p>\n")
    .arg(url.toString())
    .arg(size.width())
    .arg(size.height())
    .arg(Escaped(text));
}

QString TRulePictures::Expand(const QString& topic, QTextDocument& document, bool easyColours, qreal density) const
{
  QString html = topic;
  const struct {
    const char* Mark;
    std::function<QString()> Make;
  } groups[] = {
    { "<!--pictures:sets-->", [&] { return Sets(document, easyColours, density); } },
    { "<!--pictures:score-->", [&] { return Score(document, easyColours, density); } },
    { "<!--pictures:buttons-->", [&] { return Buttons(document, density); } },
  };
  for (const auto& group : groups) {
    const QString mark = QString::fromLatin1(group.Mark);
    if (html.contains(mark))
      html.replace(mark, group.Make());
  }
  return html;
}
