#pragma once

#include "game/GameRecord.h"

#include <QCoreApplication>
#include <QAccessibleWidget>

#include <array>

// The board for assistive technology: a list of its sixteen slots in
// reading order (row by row), named "Table", described by its reader (the
// score, whether the game runs, why a pick was refused).
class TBoardAccessible final : public QAccessibleWidget {
  Q_DECLARE_TR_FUNCTIONS(TBoardAccessible)

public:
  explicit TBoardAccessible(QWidget* board);
  ~TBoardAccessible() override;
  TBoardAccessible(const TBoardAccessible&) = delete;
  TBoardAccessible& operator=(const TBoardAccessible&) = delete;

  int childCount() const override { return SlotCount; }
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QString text(QAccessible::Text t) const override;

  // Gives every board widget this interface, once for the program.
  static void Install();

private:
  static QAccessibleInterface* Factory(const QString& className, QObject* object);

  std::array<QAccessible::Id, SlotCount> Ids {};
};
