#pragma once

#include "assets/FramedDialog.h"

class QLabel;
class TImageButton;
class TMusicBox;
class TTurnedLabel;
struct TShellState;

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

signals:
  void LanguageChanged();
  void BackgroundChanged();

private:
  void TongueBtnClick();
  void SoundBtnClick();
  void MusicBtnClick();
  void BackBtnClick();
  void HintBtnClick();

  TShellState& State;
  TMusicBox& Music;
};
