#include "board/Layout.h"

#include <algorithm>

namespace {

int GridLeftFor(int width, int cellSize)
{
  return (width - 4 * cellSize) / 2 + cellSize / 3;
}

} // namespace

TBoardLayout ComputeLayout(int width, int height)
{
  TBoardLayout layout;
  layout.CellSize = std::min((width - 200) / 4, (height - 70) / 4);
  // The grid is shifted right by a third of a cell; on a tall, wide window
  // that shift would push the last column past the right edge, so the cells
  // shrink just enough to end inside the window.
  while (layout.CellSize > 1 && GridLeftFor(width, layout.CellSize) + 4 * layout.CellSize > width)
    --layout.CellSize;
  layout.GridLeft = GridLeftFor(width, layout.CellSize);
  layout.GridTop = (height - GridAreaTop - 4 * layout.CellSize) / 2 + GridAreaTop;
  layout.PanelSize = (3 * layout.CellSize) / 7;
  layout.PanelLeft = (layout.GridLeft - layout.PanelSize) / 2 + 5;
  layout.PanelTop = layout.GridTop + layout.CellSize / 6;
  return layout;
}

TCellRect CellRect(const TBoardLayout& layout, TSlot slot)
{
  return { layout.GridLeft + slot.Col * layout.CellSize, layout.GridTop + slot.Row * layout.CellSize, layout.CellSize };
}

std::optional<TSlot> PointToSlot(const TBoardLayout& layout, int x, int y)
{
  if (layout.CellSize < 1 || x < layout.GridLeft || y < layout.GridTop)
    return std::nullopt;
  const int col = (x - layout.GridLeft) / layout.CellSize;
  const int row = (y - layout.GridTop) / layout.CellSize;
  if (col >= 4 || row >= 4)
    return std::nullopt;
  return TSlot { col, row };
}
