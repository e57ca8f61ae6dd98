#include "shell/SlotAccessible.h"

#include "shell/BoardReader.h"

TSlotAccessible::TSlotAccessible(QWidget* board, int position)
  : Board(board)
  , Position(position)
{
}

const TBoardReader* TSlotAccessible::Reader() const
{
  return Board ? TBoardReader::Of(Board.data()) : nullptr;
}

bool TSlotAccessible::isValid() const
{
  return Board && Reader();
}

QWindow* TSlotAccessible::window() const
{
  return Board ? Board->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TSlotAccessible::parent() const
{
  return Board ? QAccessible::queryAccessibleInterface(Board) : nullptr;
}

QString TSlotAccessible::text(QAccessible::Text t) const
{
  const TBoardReader* reader = Reader();
  return reader && t == QAccessible::Name ? reader->SlotName(Position) : QString();
}

QRect TSlotAccessible::rect() const
{
  const TBoardReader* reader = Reader();
  if (!reader)
    return {};
  const QRect cell = reader->SlotRect(Position);
  return QRect(Board->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::State TSlotAccessible::state() const
{
  QAccessible::State state;
  state.selectable = true;
  const TBoardReader* reader = Reader();
  state.selected = reader && reader->SlotPicked(Position);
  state.focusable = true;
  state.focused = reader && reader->FocusPosition() == Position;
  state.invisible = !Board || !Board->isVisible();
  return state;
}

void* TSlotAccessible::interface_cast(QAccessible::InterfaceType type)
{
  return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

void TSlotAccessible::doAction(const QString& action)
{
  if (const TBoardReader* reader = Reader(); reader && action == pressAction())
    reader->PressSlot(Position);
}
