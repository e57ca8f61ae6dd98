#pragma once

#include "toolkit/FramedDialog.h"

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class TDlgResources;
class TImageButton;

// Asks for a deal's code, typed or pasted. OK with a code that reads gives
// its deal; anything else is told in the dialog, which stays open with the
// text as typed. Cancel or Escape gives none.
class TDealCodeDlg final : public TFramedDialog {
  Q_OBJECT

public:
  TDealCodeDlg(QWidget* mainform, const TDlgResources& resources);

  std::optional<std::uint64_t> Ask();

  QLineEdit* CodeEdit;
  QLabel* Problem;
  TImageButton* OkBtn;
  TImageButton* CancelBtn;

private:
  void Reword() override;
  void OkBtnClick();

  QLabel* Title;
  QLabel* Prompt;
  std::optional<std::uint64_t> Chosen;
};
