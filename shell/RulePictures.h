#pragma once

#include <QCoreApplication>
#include <QString>

#include <span>

class QImage;
class QTextDocument;
class TBitmapList;
class TDlgResources;

// The rules' examples as pictures. The rules' text marks where each group
// goes ("<!--pictures:sets-->", "<!--pictures:score-->",
// "<!--pictures:buttons-->"); the marks are replaced by images of cards
// painted by the board's own card painter, in the colours the player uses,
// each with a line in the language that names its cards, so that screen
// readers read what the picture shows.
// One example of the rules: its image's name, what it shows and its cards.
struct TRuleExample {
  const char* Name;
  const char* Text;
  int Codes[3];
};

class TRulePictures final {
  Q_DECLARE_TR_FUNCTIONS(TRulePictures)

public:
  // The board's bitmaps give the fill patterns and the left-hand buttons'
  // faces, the dialog resources the other buttons'.
  TRulePictures(const TBitmapList& bmps, const TDlgResources& resources);

  // The topic with its marks replaced; the images go into the document as
  // resources, drawn for a screen of the given pixel density.
  QString Expand(const QString& topic, QTextDocument& document, bool easyColours, qreal density) const;

  // The examples of what is a SET and what is not, in their order.
  static std::span<const TRuleExample> Examples();

  // Three cards side by side, as the board paints them.
  QImage Cards(const int (&codes)[3], bool easyColours, qreal density) const;
  // The buttons of the main window in their order, each with its key.
  QImage ButtonBar(qreal density) const;

private:
  QString Sets(QTextDocument& document, bool easyColours, qreal density) const;
  QString Score(QTextDocument& document, bool easyColours, qreal density) const;
  QString Buttons(QTextDocument& document, qreal density) const;
  // An image in the document with the line that names its cards under it.
  QString Example(QTextDocument& document, const QString& name, const QImage& image, const QString& text, const int (&codes)[3],
    bool easyColours) const;

  const TBitmapList& Bmps;
  const TDlgResources& Resources;
};
