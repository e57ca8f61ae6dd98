#pragma once

#include "shell/FramedDialog.h"

class TImageButton;
struct TShellState;

// Asks for the language at the first start; its texts show both languages.
class TTongueDlg final : public TFramedDialog {
public:
  TTongueDlg(QWidget* mainform, const TDlgResources& resources, TShellState& state);

  TImageButton* GermanBtn;
  TImageButton* EnglishBtn;

private:
  void GermanBtnClick();
  void EnglishBtnClick();

  TShellState& State;
};
