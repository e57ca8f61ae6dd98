#pragma once

#include "toolkit/FramedDialog.h"

#include <QCoreApplication>
#include <functional>
#include <map>

class QCheckBox;
class QLabel;
class TBitmapList;
class TDlgResources;
class TImageButton;
class TReviewPanel;
class TStatsStore;
struct TShellState;

// The figures of every game played and the review of the last one played to
// its end. Checking "reset statistics" and OK removes them all, once the
// player has said Yes to the question.
class TStatsDlg final : public TFramedDialog {
  Q_DECLARE_TR_FUNCTIONS(TStatsDlg)

public:
  TStatsDlg(QWidget* mainform, const TDlgResources& resources, const TBitmapList& bitmaps, const TShellState& state, TStatsStore& stats);

  void ShowModal();

  // Asks the question of the reset; true for Yes.
  std::function<bool(const QString& question)> Confirm;

  QLabel* Title;
  QLabel* LastTitle;
  TReviewPanel* Panel;
  QCheckBox* ResetBox;
  QLabel* ResetLabel;
  TImageButton* OkBtn;

private:
  void Fill();
  void Reword() override { Fill(); }
  void OkBtnClick();

  const TShellState& State;
  TStatsStore& Stats;
  std::map<QString, QLabel*> Figures;
};
