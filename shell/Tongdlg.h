#pragma once

#include "toolkit/FramedDialog.h"

class TDlgResources;
class TImageButton;

// Asks for the language at the first start; its texts show both languages.
// The answer goes out as Answered (1 German, 0 English).
class TTongueDlg final : public TFramedDialog {
  Q_OBJECT

public:
  TTongueDlg(QWidget* mainform, const TDlgResources& resources);

  TImageButton* GermanBtn;
  TImageButton* EnglishBtn;

protected:
  // Centred on the screen: it is asked before the player knows the window.
  void Place() override;

signals:
  void Answered(int tongue);

private:
  void Answer(int tongue);
};
