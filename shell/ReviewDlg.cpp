#include "shell/ReviewDlg.h"

#include "assets/DlgRes.h"
#include "scores/StatsStore.h"
#include "shell/ReviewPanel.h"
#include "shell/ShellState.h"
#include "toolkit/BackPanel.h"
#include "toolkit/ImageButton.h"

#include <QCheckBox>
#include <QLabel>

TReviewDlg::TReviewDlg(QWidget* mainform, const TDlgResources& resources, const TBitmapList& bitmaps, const TShellState& state, TStatsStore& stats)
  : TFramedDialog(mainform, resources.DialogArt(), 600, 392)
  , State(state)
  , Stats(stats)
{
  setObjectName(QStringLiteral("ReviewDlg"));
  Title = TitlePanel(12, 12, 576);
  Panel = new TReviewPanel(InnerPanel(12, 48, TReviewPanel::Width, TReviewPanel::Height + 8), bitmaps);
  Panel->move(0, 4);
  ShowBox = CheckRow(12, 341, 300, QStringLiteral("showcheck"), ShowLabel);
  OkBtn = FaceButton(Back, "OkBtn", 538, 330);
  connect(OkBtn, &TImageButton::OnClick, this, [this] { done(1); });
  connect(ShowBox, &QCheckBox::toggled, this, [this](bool show) { Stats.SetShowReview(show); });
  SetKeyAnswers(1, 1);
  SetTabOrder({ OkBtn, ShowBox });
}

void TReviewDlg::ShowModal(const TGameReview& review)
{
  {
    const QSignalBlocker quiet(ShowBox);
    ShowBox->setChecked(true); // shown, so on
  }
  Shown = review;
  Reword();
  exec();
}

void TReviewDlg::Reword()
{
  Title->setText(Shown.Replayed ? tr("Your game, a deal played again") : tr("Your game"));
  ShowLabel->setText(tr("show after every game"));
  ShowBox->setAccessibleName(ShowLabel->text());
  OkBtn->SetHint(tr("Back to game"), false);
  Panel->SetReview(Shown, State.EasyColours());
  SetSpoken(Title->text(), tr("Score: %1, %n SETs", nullptr, static_cast<int>(Shown.Sets.size())).arg(Shown.Score));
}
