#include "board/Layout.h"

#include <gtest/gtest.h>

namespace {

struct TLayoutCase {
  int Width, Height;
  TBoardLayout Expected;
};

TEST(Layout, ComputesTheGridAndPanelForTheClientSize)
{
  const TLayoutCase cases[] = {
    { 701, 401, { 82, 213, 66, 35, 94, 79 } },
    { 1000, 700, { 157, 238, 66, 67, 90, 92 } },
    { 800, 900, { 150, 150, 180, 64, 48, 205 } },
    // Width-limited and wide: the shifted grid still fits up to here...
    { 1408, 1600, { 302, 200, 226, 129, 40, 276 } },
    // ...and beyond, the cells shrink so that the last column ends inside.
    { 1412, 1600, { 302, 202, 226, 129, 41, 276 } },
    { 1500, 1400, { 321, 215, 88, 137, 44, 141 } },
  };
  for (const auto& c : cases) {
    const TBoardLayout l = ComputeLayout(c.Width, c.Height);
    const TBoardLayout& e = c.Expected;
    EXPECT_EQ(l.CellSize, e.CellSize) << c.Width << "x" << c.Height;
    EXPECT_EQ(l.GridLeft, e.GridLeft) << c.Width << "x" << c.Height;
    EXPECT_EQ(l.GridTop, e.GridTop) << c.Width << "x" << c.Height;
    EXPECT_EQ(l.PanelSize, e.PanelSize) << c.Width << "x" << c.Height;
    EXPECT_EQ(l.PanelLeft, e.PanelLeft) << c.Width << "x" << c.Height;
    EXPECT_EQ(l.PanelTop, e.PanelTop) << c.Width << "x" << c.Height;
    EXPECT_LE(l.GridLeft + 4 * l.CellSize, c.Width) << c.Width << "x" << c.Height;
  }
}

TEST(Layout, PointToSlotCountsWholeCellsAndNothingOutside)
{
  const TBoardLayout l = ComputeLayout(701, 401);
  const int right = l.GridLeft + 4 * l.CellSize;
  const int bottom = l.GridTop + 4 * l.CellSize;
  struct TCase {
    int X, Y;
    std::optional<TSlot> Slot;
  };
  const TCase cases[] = {
    { l.GridLeft, l.GridTop, TSlot { 0, 0 } },
    { l.GridLeft - 1, l.GridTop, std::nullopt },
    { l.GridLeft, l.GridTop - 1, std::nullopt },
    { right, l.GridTop, std::nullopt },
    { l.GridLeft, bottom, std::nullopt },
    { right - 1, bottom - 1, TSlot { 3, 3 } },
    { l.GridLeft + l.CellSize - 1, l.GridTop, TSlot { 0, 0 } }, // the margin between two cards
    { l.GridLeft + l.CellSize, l.GridTop + 2 * l.CellSize, TSlot { 1, 2 } },
  };
  for (const auto& c : cases)
    EXPECT_EQ(PointToSlot(l, c.X, c.Y), c.Slot) << c.X << "," << c.Y;

  EXPECT_EQ(PointToSlot(ComputeLayout(100, 50), 150, 100), std::nullopt); // no room for a grid

  // A cell and the slot of its corners and centre agree, for every slot.
  for (int p = 0; p < SlotCount; ++p) {
    const TSlot slot = SlotOfPosition(p);
    const TCellRect cell = CellRect(l, slot);
    EXPECT_EQ(cell.Size, l.CellSize);
    for (const auto& [x, y] : { std::pair { cell.Left, cell.Top }, std::pair { cell.CentreX(), cell.CentreY() },
           std::pair { cell.Left + cell.Size - 1, cell.Top + cell.Size - 1 } })
      EXPECT_EQ(PointToSlot(l, x, y), slot) << p;
  }
  EXPECT_EQ(CellRect(l, TSlot { 3, 2 }).Left, 213 + 3 * 82);
  EXPECT_EQ(CellRect(l, TSlot { 3, 2 }).Top, 66 + 2 * 82);
}

} // namespace
