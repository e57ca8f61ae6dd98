#include "shell/Options.h"

#include "assets/DlgRes.h"
#include "sound/Music.h"
#include "shell/ShellState.h"
#include "shell/Version.h"
#include "toolkit/BackPanel.h"
#include "toolkit/ImageButton.h"
#include "toolkit/TurnedLabel.h"

#include <QLabel>

namespace {
// The row of the symbols' colours, below the others.
constexpr int PaletteRowHeight = 56;
} // namespace

TOptionDlg::TOptionDlg(QWidget* mainform, const TDlgResources& resources, const TShellState& state, TMusicBox& music)
  : TFramedDialog(mainform, resources.DialogArt(), 497, 416 + PaletteRowHeight)
  , Resources(resources)
  , State(state)
  , Music(music)
{
  setObjectName(QStringLiteral("OptionDlg"));
  Emblem();
  ProgLabel = new TTurnedLabel(Back, QStringLiteral("Trivolo"), 37);
  ProgLabel->setGeometry(12, 119, 53, 281);
  VersionLabel = new TTurnedLabel(Back, QStringLiteral("Version  " TRIVOLO_VERSION), 16);
  VersionLabel->setGeometry(56, 130, 21, 266);
  OKBtn = FaceButton(Back, "OKBtn", 436, 355 + PaletteRowHeight);

  TBackPanel* p7 = InnerPanel(116, 12, 369, 333 + PaletteRowHeight);
  OptLabel = TextLabel(p7, 19, 12, 254, 29, 21, true);
  const auto row = [&](const char* name, int top, int labelWidth, TImageButton*& button, QLabel*& label) {
    button = FaceButton(p7, name, 16, top);
    label = TextLabel(p7, 79, top + 17, labelWidth, 18, 16, false);
  };
  row("TongueBtn", 47, 294, TongueBtn, TongueLabel);
  row("SoundBtn", 103, 294, SoundBtn, SoundLabel);
  row("MusicBtn", 159, 294, MusicBtn, MusicLabel);
  row("BackBtn", 215, 290, BackBtn, BackLabel);
  row("HintBtn", 271, 294, HintBtn, HintLabel);
  row("PaletteBtn", 271 + PaletteRowHeight, 294, PaletteBtn, PaletteLabel);

  SetTabOrder({ TongueBtn, SoundBtn, MusicBtn, BackBtn, HintBtn, PaletteBtn, OKBtn });
  connect(OKBtn, &TImageButton::OnClick, this, &QDialog::accept);
  connect(TongueBtn, &TImageButton::OnClick, this, &TOptionDlg::TongueBtnClick);
  connect(SoundBtn, &TImageButton::OnClick, this, &TOptionDlg::SoundBtnClick);
  connect(MusicBtn, &TImageButton::OnClick, this, &TOptionDlg::MusicBtnClick);
  connect(BackBtn, &TImageButton::OnClick, this, &TOptionDlg::BackBtnClick);
  connect(HintBtn, &TImageButton::OnClick, this, &TOptionDlg::HintBtnClick);
  connect(PaletteBtn, &TImageButton::OnClick, this, &TOptionDlg::PaletteBtnClick);
}

void TOptionDlg::ShowModal()
{
  RefreshOptionTexts();
  exec();
}

void TOptionDlg::RefreshOptionTexts()
{
  ProgLabel->SetText(QStringLiteral("Trivolo"));
  VersionLabel->SetText(QStringLiteral("Version  " TRIVOLO_VERSION));
  MusicBtn->setEnabled(State.MusicAvailable);
  OKBtn->SetHint(tr("Back to game"));
  OptLabel->setText(tr("Options:"));
  TongueBtn->SetHint(tr("Change language"));
  TongueLabel->setText(tr("I speak English."));
  // The lips for German and English; each further language shows its face.
  const TLanguage language = State.Language();
  if (language == lgGerman || language == lgEnglish) {
    TongueBtn->SetFaces(Resources.opts, FacesOf("TongueBtn").Table());
  } else {
    TongueBtn->SetFaces(Resources.langs, Resources.LanguageFaces(language - lgFrench));
  }
  SoundBtn->SetHint(tr("Sound on or off"));
  SoundLabel->setText(State.SoundOn ? tr("Sound is on.") : tr("Sound is off."));
  MusicBtn->SetHint(tr("Music on or off."));
  if (!State.MusicAvailable)
    MusicLabel->setText(tr("No music files available."));
  else if (State.MusicOn)
    MusicLabel->setText(tr("Music: ") + Music.CurrentName());
  else
    MusicLabel->setText(tr("Music is off."));
  BackBtn->SetHint(tr("Change background"));
  static const char* const backgrounds[] = { QT_TR_NOOP("grey"), QT_TR_NOOP("brown"), QT_TR_NOOP("green"), QT_TR_NOOP("blue"),
    QT_TR_NOOP("red") };
  BackLabel->setText(tr("Background: ") + tr(backgrounds[State.Background()], "a background"));
  HintBtn->SetHint(tr("Activate/deactivate SET detector"));
  HintLabel->setText(State.DetectorOn ? tr("SETs will be detected.")
                                      : tr("SETs won't be detected."));
  PaletteBtn->SetHint(tr("Change the symbols' colours"));
  PaletteLabel->setText(State.EasyColours() ? tr("Colours: easy to tell apart")
                                            : tr("Colours: standard"));
  // Each button tells its option's state, as the label beside it does.
  const std::pair<TImageButton*, QLabel*> rows[] = { { TongueBtn, TongueLabel }, { SoundBtn, SoundLabel }, { MusicBtn, MusicLabel },
    { BackBtn, BackLabel }, { HintBtn, HintLabel }, { PaletteBtn, PaletteLabel } };
  for (const auto& [button, label] : rows)
    button->setAccessibleDescription(label->text());
  SetSpoken(OptLabel->text(), QString());
}

void TOptionDlg::TongueBtnClick()
{
  emit LanguageChosen(TLanguage((State.Language() + 1) % LanguageCount));
  RefreshOptionTexts();
}

void TOptionDlg::Reword()
{
  RefreshOptionTexts();
}

void TOptionDlg::SoundBtnClick()
{
  emit SoundChosen(!State.SoundOn);
  RefreshOptionTexts();
}

void TOptionDlg::MusicBtnClick()
{
  Music.Switch();
  RefreshOptionTexts();
}

void TOptionDlg::BackBtnClick()
{
  emit BackgroundChosen((State.Background() + 1) % 5);
  RefreshOptionTexts();
}

void TOptionDlg::PaletteBtnClick()
{
  emit PaletteChosen(State.EasyColours() ? 0 : 1);
  RefreshOptionTexts();
}

void TOptionDlg::HintBtnClick()
{
  emit DetectorChosen(!State.DetectorOn);
  RefreshOptionTexts();
}
