#pragma once

#include "toolkit/FramedDialog.h"

#include <QCoreApplication>
#include <optional>

class QLabel;
class TDlgResources;
class TImageButton;
struct TShellState;

// The program's message box: one message in the current language, answered
// Yes (6) or No (7). Codes 10 and 11 show the caller's own text.
class TYesNoDlg final : public TFramedDialog {
  Q_DECLARE_TR_FUNCTIONS(TYesNoDlg)

public:
  TYesNoDlg(QWidget* mainform, const TDlgResources& resources, const TShellState& state);

  int ShowCode(int code);
  int ShowText(int code, const QString& text);

  int MessageCode = 0;
  int ButtonMode = 1; // 1: Yes only, 2: Yes and No
  QString CustomText;

  QLabel* txt;
  TImageButton* NoBtn;
  TImageButton* YesBtn;

  // The catalogue text of a code in the given language, or none.
  static std::optional<QString> CatalogueText(int code);

private:
  void FormActivate();
  void Reword() override;
  int ShowModal();

  const TShellState& State;
};
