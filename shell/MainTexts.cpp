#include "shell/MainTexts.h"

#include "shell/ReviewPanel.h"

#include "game/DealCode.h"

#include <QCoreApplication>
#include <QLabel>

QString GameMessageText(TGameMessage message)
{
  switch (message) {
  case gmNoMoreSet:
    return QCoreApplication::translate("MainTexts", "No more SET possible.\rYou are at the end.");
  case gmNoSetOnTable:
    return QCoreApplication::translate("MainTexts", "No SET in the deck. Shall I mix up the deck?");
  }
  return QString();
}

QString PracticeOverText(bool allTaken, int cardsLeft, int seconds)
{
  const QString time = TReviewPanel::Clock(seconds);
  if (allTaken)
    return QCoreApplication::translate("MainTexts", "Practice over: all cards taken in %1.").arg(time);
  return QCoreApplication::translate("MainTexts", "Practice over: no SET left, %n cards still in play.\rTime: %1.", nullptr, cardsLeft)
    .arg(time);
}

QString DealLine(std::uint64_t deal)
{
  return QCoreApplication::translate("MainTexts", "Deal %1", "a deal code follows").arg(QString::fromStdString(DealCodeText(deal)));
}

void MakeCopyable(QLabel* label)
{
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  label->setCursor(Qt::IBeamCursor);
}

QString ButtonHint(TButtonKey button)
{
  switch (button) {
  case bkMix:
    return QCoreApplication::translate("MainTexts", "I want to mix up the remaining cards.");
  case bkStart:
    return QCoreApplication::translate("MainTexts", "I start again.");
  case bkPause:
    return QCoreApplication::translate("MainTexts", "I need a break.");
  case bkHighScore:
    return QCoreApplication::translate("MainTexts", "Who are the best?");
  case bkTip:
    return QCoreApplication::translate("MainTexts", "Please show me a SET.");
  case bkOptions:
    return QCoreApplication::translate("MainTexts", " I want to change the options.");
  case bkInfo:
    return QCoreApplication::translate("MainTexts", "Who did these MOLLBERG GAME?");
  case bkRules:
    return QCoreApplication::translate("MainTexts", "What's to do here?");
  case bkExit:
    return QCoreApplication::translate("MainTexts", "I have enough!");
  case bkDeals:
    return QCoreApplication::translate("MainTexts", "I want to play a deal again.");
  case bkPractice:
    return QCoreApplication::translate("MainTexts", "I want to practise: no points, free hints.");
  case bkNone:
    break;
  }
  return QString();
}

QString ButtonKeyLabel(TButtonKey button)
{
  QString name = QString::fromLatin1(ButtonKeyName(button));
  name.replace(QLatin1String("Ctrl+"), QCoreApplication::translate("MainTexts", "Ctrl+", "the control key, as the keyboard names it"));
  return name;
}

QString ButtonKeyText(TButtonKey button)
{
  return QCoreApplication::translate("MainTexts", "Key: ") + ButtonKeyLabel(button);
}
