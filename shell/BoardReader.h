#pragma once

#include "game/GameRecord.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>

class QRect;
class QWidget;
struct TShellState;

// What assistive technology reads of the board: the sixteen slots in
// reading order (row by row), each named by its card and selected while
// picked, pressable like a click on it, focused under the keyboard's cursor
// and named "hidden" during a pause; the board's description gives the
// score and whether the game runs, is paused or over.
class TBoardReader final : public QObject {
  Q_DECLARE_TR_FUNCTIONS(TBoardReader)

public:
  TBoardReader(QWidget* board, const TGameRecord& record, const TShellState& state, std::function<QRect(TSlot)> cell,
    std::function<void(TSlot)> press);
  ~TBoardReader() override;

  // The reader of a board widget, if it has one.
  static const TBoardReader* Of(const QObject* board);

  QString SlotName(int position) const;
  bool SlotPicked(int position) const;
  QRect SlotRect(int position) const; // in the board's coordinates
  void PressSlot(int position) const;
  QString Description() const;

  // Tell assistive technology that a slot or the score has changed.
  void SlotChanged(TSlot slot) const;
  void ScoreChanged() const;
  // The whole board was drawn anew (a pause hides the cards, a new game).
  void BoardChanged() const;
  // Why the three picked cards are no SET, said after the score; empty
  // when there is nothing to say.
  void SetWrongPick(const QString& text);
  // A practice game's figures, said in the score's place; empty in a
  // normal game.
  void SetPracticeLine(const QString& line) { PracticeLine = line; }
  // The keyboard's cursor moved to a slot, which takes the focus.
  void CursorMoved(TSlot slot);
  void CursorHidden() { Focus = -1; }
  // The position that has the focus, or -1.
  int FocusPosition() const { return Focus; }

private:
  QWidget* BoardWidget;
  const TGameRecord& Record;
  const TShellState& State;
  std::function<QRect(TSlot)> Cell;
  std::function<void(TSlot)> Press;
  int Focus = -1;
  QString WrongPick;
  QString PracticeLine;
};
