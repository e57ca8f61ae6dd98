#include "shell/BoardReader.h"

#include "shell/CardNames.h"
#include "shell/ShellState.h"

#include <QAccessible>
#include <QHash>
#include <QWidget>

namespace {

// The reader of each board, for the board's accessible interfaces.
QHash<const QObject*, const TBoardReader*>& Readers()
{
  static QHash<const QObject*, const TBoardReader*> readers;
  return readers;
}

} // namespace

const TBoardReader* TBoardReader::Of(const QObject* board)
{
  return Readers().value(board);
}

TBoardReader::TBoardReader(QWidget* board, const TGameRecord& record, const TShellState& state, std::function<QRect(TSlot)> cell,
  std::function<void(TSlot)> press)
  : BoardWidget(board)
  , Record(record)
  , State(state)
  , Cell(std::move(cell))
  , Press(std::move(press))
{
  Readers().insert(board, this);
}

TBoardReader::~TBoardReader()
{
  Readers().remove(BoardWidget);
}

QString TBoardReader::SlotName(int position) const
{
  if (Record.GameState == gsPaused)
    return tr("hidden", "a card while the game is paused");
  const TSlot slot = SlotOfPosition(position);
  return CardName(Record.Table[static_cast<std::size_t>(slot.Col)][static_cast<std::size_t>(slot.Row)], State.EasyColours());
}

bool TBoardReader::SlotPicked(int position) const
{
  const TSlot slot = SlotOfPosition(position);
  return Record.Picked[static_cast<std::size_t>(slot.Col)][static_cast<std::size_t>(slot.Row)];
}

QRect TBoardReader::SlotRect(int position) const
{
  return Cell(SlotOfPosition(position));
}

void TBoardReader::PressSlot(int position) const
{
  Press(SlotOfPosition(position));
}

QString TBoardReader::Description() const
{
  const QString score = PracticeLine.isEmpty() ? tr("Score: %1").arg(ComputeScore(Record)) : PracticeLine;
  const QString states[] = { tr("game running"), tr("game paused"), tr("game over") };
  const QString said = score + QStringLiteral(", ") + states[Record.GameState];
  return WrongPick.isEmpty() ? said : said + QStringLiteral(". ") + WrongPick;
}

void TBoardReader::SetWrongPick(const QString& text)
{
  if (text == WrongPick)
    return;
  WrongPick = text;
  ScoreChanged();
}

void TBoardReader::SlotChanged(TSlot slot) const
{
  if (!QAccessible::isActive())
    return;
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(BoardWidget);
  QAccessibleInterface* child = board ? board->child(slot.Row * GridSize + slot.Col) : nullptr;
  if (!child)
    return;
  QAccessibleEvent named(child, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&named);
  QAccessible::State selected;
  selected.selected = true;
  QAccessibleStateChangeEvent changed(child, selected);
  QAccessible::updateAccessibility(&changed);
}

void TBoardReader::ScoreChanged() const
{
  if (!QAccessible::isActive())
    return;
  QAccessibleEvent described(BoardWidget, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&described);
}

void TBoardReader::BoardChanged() const
{
  if (!QAccessible::isActive())
    return;
  for (int position = 0; position < SlotCount; ++position)
    SlotChanged(SlotOfPosition(position));
  ScoreChanged();
}

void TBoardReader::CursorMoved(TSlot slot)
{
  Focus = slot.Row * GridSize + slot.Col;
  if (!QAccessible::isActive())
    return;
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(BoardWidget);
  if (QAccessibleInterface* child = board ? board->child(Focus) : nullptr) {
    QAccessibleEvent focused(child, QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
  }
}
