#include "shell/Tongdlg.h"

#include "assets/DlgRes.h"
#include "toolkit/BackPanel.h"
#include "toolkit/ImageButton.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TTongueDlg::TTongueDlg(QWidget* mainform, const TDlgResources& resources)
  : TFramedDialog(mainform, resources.DialogArt(), 408, 162)
{
  setObjectName(QStringLiteral("TongueDlg"));
  Emblem();
  TBackPanel* p10 = InnerPanel(108, 12, 289, 137);
  GermanBtn = FaceButton(p10, "GermanBtn", 16, 15);
  TextLabel(p10, 79, 32, 190, 18, 16, false)->setText(QStringLiteral("Ich spreche deutsch"));
  EnglishBtn = FaceButton(p10, "EnglishBtn", 16, 71);
  TextLabel(p10, 79, 88, 190, 18, 16, false)->setText(QStringLiteral("I speak English"));
  // Named for assistive technology by the labels beside them.
  GermanBtn->setAccessibleName(QStringLiteral("Ich spreche deutsch"));
  EnglishBtn->setAccessibleName(QStringLiteral("I speak English"));
  SetTabOrder({ GermanBtn, EnglishBtn });
  SetSpoken(QStringLiteral("Sprache / Language"), QStringLiteral("Ich spreche deutsch / I speak English"));
  connect(GermanBtn, &TImageButton::OnClick, this, [this] { Answer(1); });
  connect(EnglishBtn, &TImageButton::OnClick, this, [this] { Answer(0); });
}

void TTongueDlg::Place()
{
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

void TTongueDlg::Answer(int tongue)
{
  emit Answered(tongue);
  accept();
}
