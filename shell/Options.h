#pragma once

#include "toolkit/FramedDialog.h"

class QLabel;
class TDlgResources;
class TImageButton;
class TMusicBox;
struct TShellState;
class TTurnedLabel;

// The options: language, sound, music, background and the SET detector.
// Every click changes the shared state at once; the main window learns of a
// new language or background through the signals.
class TOptionDlg final : public TFramedDialog {
  Q_OBJECT

public:
  TOptionDlg(QWidget* mainform, const TDlgResources& resources, TShellState& state, TMusicBox& music);

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
  void LanguageChanged();
  void BackgroundChanged();
  void PaletteChanged();

private:
  void TongueBtnClick();
  void SoundBtnClick();
  void MusicBtnClick();
  void BackBtnClick();
  void HintBtnClick();
  void PaletteBtnClick();

  TShellState& State;
  TMusicBox& Music;
};
