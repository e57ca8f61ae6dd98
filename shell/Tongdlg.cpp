#include "shell/Tongdlg.h"

#include "assets/DlgRes.h"
#include "toolkit/BackPanel.h"
#include "toolkit/ImageButton.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {
// The question with two answers; a third adds a row of this height.
constexpr int Width = 408, Height = 162, RowHeight = 56;
} // namespace

TTongueDlg::TTongueDlg(QWidget* mainform, const TDlgResources& resources)
  : TFramedDialog(mainform, resources.DialogArt(), Width, Height)
  , Resources(resources)
{
  setObjectName(QStringLiteral("TongueDlg"));
  Emblem();
  Panel = InnerPanel(108, 12, 289, 137);
  GermanBtn = FaceButton(Panel, "GermanBtn", 16, 15);
  TextLabel(Panel, 79, 32, 190, 18, 16, false)->setText(SpokenLine(lgGerman));
  EnglishBtn = FaceButton(Panel, "EnglishBtn", 16, 71);
  TextLabel(Panel, 79, 88, 190, 18, 16, false)->setText(SpokenLine(lgEnglish));
  OtherBtn = resources.LanguageButton(Panel, "OtherBtn", 0, 16, 71 + RowHeight);
  OtherLabel = TextLabel(Panel, 79, 88 + RowHeight, 190, 18, 16, false);
  // Named for assistive technology by the labels beside them.
  GermanBtn->setAccessibleName(SpokenLine(lgGerman));
  EnglishBtn->setAccessibleName(SpokenLine(lgEnglish));
  connect(GermanBtn, &TImageButton::OnClick, this, [this] { Answer(lgGerman); });
  connect(EnglishBtn, &TImageButton::OnClick, this, [this] { Answer(lgEnglish); });
  connect(OtherBtn, &TImageButton::OnClick, this, [this] {
    if (Third)
      Answer(*Third);
  });
  Offer(std::nullopt);
}

void TTongueDlg::Ask(std::optional<TLanguage> desktop)
{
  Offer(desktop && *desktop != lgGerman && *desktop != lgEnglish ? desktop : std::nullopt);
  exec();
}

void TTongueDlg::Offer(std::optional<TLanguage> language)
{
  Third = language;
  const int rows = language ? 1 : 0;
  setFixedSize(Width, Height + rows * RowHeight);
  Back->resize(size());
  Panel->resize(289, 137 + rows * RowHeight);
  OtherBtn->setVisible(language.has_value());
  OtherLabel->setVisible(language.has_value());
  const QString title = QStringLiteral("Sprache / Language");
  QString lines = SpokenLine(lgGerman) + QStringLiteral(" / ") + SpokenLine(lgEnglish);
  if (language) {
    OtherBtn->SetFaces(Resources.langs, Resources.LanguageFaces(*language - lgFrench));
    OtherLabel->setText(SpokenLine(*language));
    OtherBtn->setAccessibleName(SpokenLine(*language));
    lines += QStringLiteral(" / ") + SpokenLine(*language);
    SetTabOrder({ GermanBtn, EnglishBtn, OtherBtn });
  } else {
    SetTabOrder({ GermanBtn, EnglishBtn });
  }
  SetSpoken(title, lines);
}

void TTongueDlg::Place()
{
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

void TTongueDlg::Answer(TLanguage language)
{
  emit Answered(language);
  accept();
}
