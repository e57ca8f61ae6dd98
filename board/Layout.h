#pragma once

#include "game/GameRecord.h"

#include <optional>

// Where the grid and the detector panel lie for a given client size.
struct TBoardLayout {
  int CellSize = 0;
  int GridLeft = 0;
  int GridTop = 0;
  int PanelSize = 0;
  int PanelLeft = 0;
  int PanelTop = 0;
};

constexpr int HeaderHeight = 58;
// The grid is centred in the area below this line, two pixels under the
// header, where the frame's thick line runs.
constexpr int GridAreaTop = 60;

TBoardLayout ComputeLayout(int width, int height);

// A slot's cell: a square of CellSize pixels, margins included.
struct TCellRect {
  int Left = 0;
  int Top = 0;
  int Size = 0;
  int CentreX() const { return Left + Size / 2; }
  int CentreY() const { return Top + Size / 2; }
};
TCellRect CellRect(const TBoardLayout& layout, TSlot slot);

// The slot whose cell holds the point, margins included.
std::optional<TSlot> PointToSlot(const TBoardLayout& layout, int x, int y);
