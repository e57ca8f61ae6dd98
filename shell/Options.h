#pragma once

#include "shell/FramedDialog.h"

class QLabel;
class TImageButton;
class TTurnedLabel;
class Tmainform;
struct TShellState;

// The options: language, sound, music, background and the SET detector.
// Every click changes the shared state at once.
class TOptionDlg final : public TFramedDialog {
public:
  TOptionDlg(Tmainform& mainform, const TDlgResources& resources, TShellState& state);

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

protected:
  void showEvent(QShowEvent* event) override;

private:
  void TongueBtnClick();
  void SoundBtnClick();
  void MusicBtnClick();
  void BackBtnClick();
  void HintBtnClick();

  Tmainform& Main;
  TShellState& State;
};
