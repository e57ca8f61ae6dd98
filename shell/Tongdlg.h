#pragma once

#include "toolkit/FramedDialog.h"

class TDlgResources;
class TImageButton;
struct TShellState;

// Asks for the language at the first start; its texts show both languages.
class TTongueDlg final : public TFramedDialog {
public:
  TTongueDlg(QWidget* mainform, const TDlgResources& resources, TShellState& state);

  TImageButton* GermanBtn;
  TImageButton* EnglishBtn;

protected:
  // Centred on the screen: it is asked before the player knows the window.
  void Place() override;

private:
  void GermanBtnClick();
  void EnglishBtnClick();

  TShellState& State;
};
