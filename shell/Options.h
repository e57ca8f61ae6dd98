#pragma once

#include "shell/Language.h"
#include "toolkit/FramedDialog.h"

class QLabel;
class TDlgResources;
class TImageButton;
class TMusicBox;
struct TShellState;
class TTurnedLabel;

// The options: language, sound, music, background and the SET detector.
// Each click tells the main window what the player chose, and the window
// changes its options at once; the music box switches itself.
class TOptionDlg final : public TFramedDialog {
  Q_OBJECT

public:
  TOptionDlg(QWidget* mainform, const TDlgResources& resources, const TShellState& state, TMusicBox& music);

  void ShowModal();
  void RefreshOptionTexts();

  TTurnedLabel* ProgLabel;
  TTurnedLabel* VersionLabel;
  TImageButton* OKBtn;
  QLabel* OptLabel;
  TImageButton* TongueBtn;
  QLabel* TongueLabel;
  TImageButton* SoundBtn;
  QLabel* SoundLabel;
  TImageButton* MusicBtn;
  QLabel* MusicLabel;
  TImageButton* BackBtn;
  QLabel* BackLabel;
  TImageButton* HintBtn;
  QLabel* HintLabel;
  // The symbols' colours: standard or easy to tell apart (a row below the
  // others, for which the dialog is a row taller).
  TImageButton* PaletteBtn;
  QLabel* PaletteLabel;

signals:
  void LanguageChosen(TLanguage language);
  void SoundChosen(bool on);
  void BackgroundChosen(int mode);
  void PaletteChosen(int palette);
  void DetectorChosen(bool on);

protected:
  void Reword() override;

private:
  void TongueBtnClick();
  void SoundBtnClick();
  void MusicBtnClick();
  void BackBtnClick();
  void HintBtnClick();
  void PaletteBtnClick();

  const TDlgResources& Resources;
  const TShellState& State;
  TMusicBox& Music;
};
