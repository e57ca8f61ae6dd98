#pragma once

#include "assets/FramedDialog.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class TBackPanel;
class TImageButton;
class TIniCtrl;
class TTextScrambler;

// The fifteen best results, stored scrambled in the settings, shown for
// viewing or with a name box over the row that a new result earns. It has no
// default or cancel button: Enter and Escape do nothing.
class THighscoreDlg final : public TFramedDialog {
public:
  THighscoreDlg(QWidget* mainform, const TDlgResources& resources, TIniCtrl& ini, const TTextScrambler& scrambler,
    const int& tongue);

  void ShowModal(std::int32_t AScore, bool AViewOnly);
  void SetDirection(std::int32_t value) { FDirection = value; }
  void SetINIString(const QString& value) { FINIString = value; }

  // A stored row: "score,name" with the score a decimal 32-bit integer;
  // anything else is the default entry.
  static std::pair<std::int32_t, QString> ParseRow(const QString& decoded);

  std::int32_t FDirection = 0;
  QString FINIString = QStringLiteral("hs");
  std::int32_t FEditRow = -1;
  bool FViewOnly = true;
  QString FPlayerName;
  std::array<QString, 15> FNames;
  std::array<std::int32_t, 15> FScores {};

  QLabel* title;
  QLineEdit* Edit1;
  QCheckBox* ClearBox;
  QLabel* delcheck;
  TImageButton* CancelBtn;
  TImageButton* OkBtn;

  static const QString DefaultName;

protected:
  // Centred over the whole main window, two pixels higher.
  void Place() override;

private:
  void FormActivate();
  void LoadTable();
  void FillRows();
  void OkBtnClick();
  void CancelBtnClick();

  TIniCtrl& Ini;
  const TTextScrambler& Scrambler;
  const int& Tongue;
  TBackPanel* EditBack;
};
