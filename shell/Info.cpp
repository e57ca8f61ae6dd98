#include "shell/Info.h"

#include "assets/DlgRes.h"
#include "shell/MainTexts.h"
#include "shell/ShellState.h"
#include "shell/Version.h"
#include "toolkit/BackPanel.h"
#include "toolkit/ImageButton.h"
#include "toolkit/TurnedLabel.h"

#include <QLabel>

TInfoDlg::TInfoDlg(QWidget* mainform, const TDlgResources& resources, const TShellState& state)
  : TFramedDialog(mainform, resources.DialogArt(), 497, 416)
  , State(state)
{
  setObjectName(QStringLiteral("InfoDlg"));
  Emblem();
  auto* progLabel = new TTurnedLabel(Back, QStringLiteral("Trivolo"), 32);
  progLabel->setGeometry(12, 84, 53, 316);
  auto* versionLabel = new TTurnedLabel(Back, QStringLiteral("Version  " TRIVOLO_VERSION), 16);
  versionLabel->setGeometry(56, 130, 21, 266);
  TBackPanel* panel = InnerPanel(105, 12, 381, 333);
  Lines = TextLabel(panel, 20, 20, 341, 293, 16, false);
  Lines->setAlignment(Qt::AlignCenter);
  Lines->setWordWrap(true);
  DealText = TextLabel(panel, 20, 306, 341, 20, 14, false);
  DealText->setObjectName(QStringLiteral("deal"));
  DealText->setAlignment(Qt::AlignCenter);
  MakeCopyable(DealText);
  OKBtn = FaceButton(Back, "OKBtn", 436, 355);
  StatsBtn = FaceButton(Back, "StatsBtn", 384, 355);
  connect(OKBtn, &TImageButton::OnClick, this, [this] { done(1); });
  connect(StatsBtn, &TImageButton::OnClick, this, &TInfoDlg::StatsAsked);
  SetKeyAnswers(1);
  SetTabOrder({ OKBtn, StatsBtn });
}

void TInfoDlg::ShowModal(std::optional<std::uint64_t> deal)
{
  Deal = deal;
  Reword();
  exec();
}

void TInfoDlg::Reword()
{
  // In German and English together; another language tells it in its own.
  Lines->setText(tr("Trivolo\nVersion %1\n\nein Spiel von Mollberg\na game by Mollberg\n\n"
                    "Idee, Programm, Grafik und Musik:\nMollberg Spiele\n\n"
                    "Viel Spaß beim Suchen!\nHave fun finding SETs!")
                   .arg(QStringLiteral(TRIVOLO_VERSION_NUMBER)));
  OKBtn->SetHint(tr("Back to game"));
  StatsBtn->SetHint(tr("Statistics (T)"));
  DealText->setText(Deal ? DealLine(*Deal) : QString());
  DealText->setAccessibleName(DealText->text());
  SetSpoken(QStringLiteral("Info"), Deal ? Lines->text() + QLatin1Char('\n') + DealText->text() : Lines->text());
}
