#include "shell/StatsDlg.h"

#include "assets/DlgRes.h"
#include "scores/StatsStore.h"
#include "shell/ReviewPanel.h"
#include "shell/ShellState.h"
#include "toolkit/BackPanel.h"
#include "toolkit/ImageButton.h"

#include <QCheckBox>
#include <QLabel>

namespace {
constexpr int LastTop = 121;
} // namespace

TStatsDlg::TStatsDlg(QWidget* mainform, const TDlgResources& resources, const TBitmapList& bitmaps, const TShellState& state, TStatsStore& stats)
  : TFramedDialog(mainform, resources.DialogArt(), 600, 470)
  , State(state)
  , Stats(stats)
{
  setObjectName(QStringLiteral("StatsDlg"));
  Title = TitlePanel(12, 12, 576);
  TBackPanel* lifetime = InnerPanel(12, 48, 576, 70);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(14);
  const char* names[3][3] = { { "played", "abandoned", "sets" }, { "seconds", "bestscore", "fastest" }, { "bestpace", "hints", "mixes" } };
  // The third column holds the longest texts.
  const int lefts[3] = { 12, 184, 356 };
  const int widths[3] = { 170, 170, 212 };
  for (int column = 0; column < 3; ++column)
    for (int row = 0; row < 3; ++row) {
      QLabel* label = WhiteLabel(lifetime, QRect(lefts[column], 6 + 19 * row, widths[column], 19), font, Qt::AlignLeft | Qt::AlignVCenter);
      label->setObjectName(QString::fromLatin1(names[column][row]));
      Figures[label->objectName()] = label;
    }
  TBackPanel* last = InnerPanel(12, LastTop, 576, 24 + TReviewPanel::Height + 4);
  QFont bold = font;
  bold.setBold(true);
  LastTitle = WhiteLabel(last, QRect(12, 4, 552, 19), bold, Qt::AlignLeft | Qt::AlignVCenter);
  LastTitle->setObjectName(QStringLiteral("lasttitle"));
  Panel = new TReviewPanel(last, bitmaps);
  Panel->move(0, 24);
  ResetBox = CheckRow(12, 421, 300, QStringLiteral("resetcheck"), ResetLabel);
  OkBtn = FaceButton(Back, "OkBtn", 538, 408);
  connect(OkBtn, &TImageButton::OnClick, this, &TStatsDlg::OkBtnClick);
  SetKeyAnswers(1, 1);
  SetTabOrder({ OkBtn, ResetBox });
}

void TStatsDlg::ShowModal()
{
  ResetBox->setChecked(false);
  Fill();
  exec();
}

void TStatsDlg::Fill()
{
  const TLifetimeStats figures = Stats.Lifetime();
  const QString none = QStringLiteral("–");
  const QString texts[][2] = {
    { QStringLiteral("played"), tr("Played to the end: %1").arg(figures.Played) },
    { QStringLiteral("abandoned"), tr("Abandoned: %1").arg(figures.Abandoned) },
    { QStringLiteral("sets"), tr("SETs: %1").arg(figures.Sets) },
    { QStringLiteral("seconds"), tr("Time played: %1").arg(TReviewPanel::Clock(figures.Seconds)) },
    { QStringLiteral("bestscore"), tr("Best score: %1").arg(figures.Played > 0 ? QString::number(figures.BestScore) : none) },
    { QStringLiteral("fastest"), tr("Fastest game: %1").arg(figures.Fastest > 0 ? TReviewPanel::Clock(figures.Fastest) : none) },
    { QStringLiteral("bestpace"), tr("Best average: %1 s per SET")
                                    .arg(figures.BestPace > 0 ? TReviewPanel::Decimal(figures.BestPace / 10.0) : none) },
    { QStringLiteral("hints"), tr("Hints: %1").arg(figures.Hints) },
    { QStringLiteral("mixes"), tr("Mixes: %1").arg(figures.Mixes) },
  };
  QStringList spoken;
  for (const auto& [name, text] : texts) {
    Figures.at(name)->setText(text);
    Figures.at(name)->setAccessibleName(text);
    spoken << text;
  }

  Title->setText(tr("Statistics"));
  ResetLabel->setText(tr("reset statistics"));
  ResetBox->setAccessibleName(ResetLabel->text());
  OkBtn->SetHint(tr("Back to game"), false);
  const std::optional<TGameReview> lastGame = Stats.LastGame();
  LastTitle->setText(!lastGame            ? tr("Last game: none played to its end yet")
      : lastGame->Replayed ? tr("Last game, a deal played again")
                           : tr("Last game"));
  LastTitle->setAccessibleName(LastTitle->text());
  Panel->setVisible(lastGame.has_value());
  if (lastGame)
    Panel->SetReview(*lastGame, State.EasyColours());
  SetSpoken(Title->text(), spoken.join(QStringLiteral(", ")));
}

void TStatsDlg::OkBtnClick()
{
  if (ResetBox->isChecked() && Confirm && Confirm(tr("Delete all statistics?")))
    Stats.Reset();
  done(1);
}
