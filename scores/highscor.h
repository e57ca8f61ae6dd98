#pragma once

#include "toolkit/FramedDialog.h"
#include "scores/HighscoreTable.h"

#include <QCoreApplication>
#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class TBackPanel;
class TDlgResources;
class TImageButton;
class TIniCtrl;
class TTextScrambler;

// The fifteen best results, stored scrambled in the settings, shown for
// viewing or with a name box over the row that a new result earns. It has no
// default or cancel button: Enter and Escape do nothing.
//
// Another copy of the program may store a result while this dialog is open:
// OK therefore merges, under the settings lock, this dialog's change into
// the table as stored at that moment; a view that changes nothing writes
// nothing.
class THighscoreDlg final : public TFramedDialog {
  Q_DECLARE_TR_FUNCTIONS(THighscoreDlg)

public:
  THighscoreDlg(QWidget* mainform, const TDlgResources& resources, TIniCtrl& ini, const TTextScrambler& scrambler);

  void ShowModal(std::int32_t AScore, bool AViewOnly);
  void SetDirection(std::int32_t value) { FDirection = value; }
  void SetINIString(const QString& value) { FINIString = value; }

  std::int32_t FDirection = 0;
  QString FINIString = QStringLiteral("hs");
  std::int32_t FEditRow = -1;
  bool FViewOnly = true;
  QString FPlayerName;
  THighscoreTable FTable; // as shown
  std::int32_t FScore = 0; // the result being entered

  QLabel* title;
  QLineEdit* Edit1;
  QCheckBox* ClearBox;
  QLabel* delcheck;
  TImageButton* CancelBtn;
  TImageButton* OkBtn;

protected:
  // Centred over the whole main window, two pixels higher.
  void Place() override;

private:
  void Reword() override;
  void LoadTable();
  void FillRows();
  void OkBtnClick();
  void CancelBtnClick();

  TIniCtrl& Ini;
  const TTextScrambler& Scrambler;
  TBackPanel* EditBack;
};
