#include "assets/DlgRes.h"

#include "toolkit/ImageButton.h"

#include <cstring>
#include <stdexcept>

const TButtonFaces ButtonFaces[25] = {
  { "MixBtn", flBmps, 6, 8, 7, 6 },
  { "StartBtn", flBmps, 9, 11, 10, 9 },
  { "PauseBtn", flBmps, 12, 14, 13, 12 },
  { "HighScoreBtn", flBmps, 15, 17, 16, 15 },
  { "TipBtn", flBtns, 19, 21, 20, 19 },
  { "OptionBtn", flBtns, 7, 7, 8, 7 },
  { "InfoBtn", flBtns, 3, 3, 4, 3 },
  { "RulesBtn", flBtns, 5, 5, 6, 5 },
  { "ExitBtn", flBtns, 1, 1, 2, 1 },
  { "OkBtn", flDlgs, 5, 0, 6, 5 },
  { "CancelBtn", flDlgs, 7, 0, 8, 7 },
  { "YesBtn", flDlgs, 5, 0, 6, 5 },
  { "NoBtn", flDlgs, 7, 0, 8, 7 },
  { "GermanBtn", flDlgs, 21, 0, 22, 21 },
  { "EnglishBtn", flDlgs, 23, 0, 24, 23 },
  { "OKBtn", flDlgs, 5, 0, 6, 5 },
  { "TongueBtn", flOpts, 1, 0, 2, 1 },
  { "SoundBtn", flOpts, 6, 0, 8, 6 },
  { "MusicBtn", flOpts, 3, 5, 4, 3 },
  { "BackBtn", flOpts, 12, 0, 13, 12 },
  { "HintBtn", flOpts, 9, 11, 10, 9 },
  { "PaletteBtn", flOpts, 14, 0, 15, 14 },
  { "StatsBtn", flBtns, 9, 9, 10, 9 },
  { "PracticeBtn", flBtns, 11, 11, 12, 11 },
  { "DealBtn", flBtns, 13, 13, 14, 13 },
};

TDialogArt TDlgResources::DialogArt() const
{
  return { &dlgs, dlgDialogGranite, dlgPanelGranite, dlgEmblem,
    [this](QWidget* parent, const char* name, int left, int top) { return FaceButton(parent, name, left, top); } };
}

const TButtonFaces& FacesOf(const char* button)
{
  for (const TButtonFaces& faces : ButtonFaces)
    if (std::strcmp(faces.Button, button) == 0)
      return faces;
  throw std::invalid_argument(button);
}

TDlgResources::TDlgResources()
  : dlgs(TBitmapList::Load(QStringLiteral(":/dlgs"), DlgsCount))
  , opts(TBitmapList::Load(QStringLiteral(":/opts"), OptsCount))
  , btns(TBitmapList::Load(QStringLiteral(":/btns"), BtnsCount))
  , langs(TBitmapList::Load(QStringLiteral(":/langs"), LangsCount))
{
}

TFaceTable TDlgResources::LanguageFaces(int language) const
{
  return FaceTable(2 * language, 2 * language, 2 * language + 1, 2 * language);
}

TImageButton* TDlgResources::MakeButton(QWidget* parent, const char* name, const TBitmapList& list, const TFaceTable& table, int left, int top)
{
  auto* button = new TImageButton(parent, list, table);
  button->setObjectName(QString::fromLatin1(name));
  button->SetTransparentColor(list.TransparentColor(table[0].ListIndex));
  button->move(left, top);
  return button;
}

TImageButton* TDlgResources::LanguageButton(QWidget* parent, const char* name, int language, int left, int top) const
{
  return MakeButton(parent, name, langs, LanguageFaces(language), left, top);
}

TImageButton* TDlgResources::FaceButton(QWidget* parent, const char* name, int left, int top, const TBitmapList* bmps) const
{
  const TButtonFaces& faces = FacesOf(name);
  const TBitmapList& list = faces.List == flBmps && bmps ? *bmps : faces.List == flOpts ? opts : faces.List == flBtns ? btns : dlgs;
  return MakeButton(parent, name, list, faces.Table(), left, top);
}

QIcon ProgramIcon()
{
  return QIcon(QStringLiteral(":/trivolo.png"));
}
