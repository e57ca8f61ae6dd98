#pragma once

#include "scores/GameReview.h"
#include "toolkit/FramedDialog.h"

#include <QCoreApplication>

class QCheckBox;
class QLabel;
class TBitmapList;
class TDlgResources;
class TImageButton;
class TReviewPanel;
class TStatsStore;
struct TShellState;

// The review of a game just played to its end, shown after the game's own
// end messages. Its check box turns the review off for later games.
class TReviewDlg final : public TFramedDialog {
  Q_DECLARE_TR_FUNCTIONS(TReviewDlg)

public:
  TReviewDlg(QWidget* mainform, const TDlgResources& resources, const TBitmapList& bitmaps, const TShellState& state, TStatsStore& stats);

  void ShowModal(const TGameReview& review);

  QLabel* Title;
  TReviewPanel* Panel;
  QCheckBox* ShowBox;
  QLabel* ShowLabel;
  TImageButton* OkBtn;

private:
  void Reword() override;

  const TShellState& State;
  TStatsStore& Stats;
  TGameReview Shown; // the game on show
};
