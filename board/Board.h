#pragma once

#include "board/BoardSettings.h"
#include "board/Canvas.h"
#include "board/Layout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class TGame;

// Indices into the main window's bitmap list that the board draws from.
enum TBoardBitmap : int {
  bmpDigits = 0,
  bmpBackground = 1,
  bmpPatternBlue = 2, // + colour value for the three symbol colours
  bmpPatternBlack = 5,
  bmpPatternVermillion = 18,
};

// A card as the table shows it, in a cell of the given size: its face
// (yellow when picked) with its symbols, or the black hole of an empty slot
// for code 0.
void DrawCard(TCanvas& canvas, const TCellRect& cell, int code, bool picked, bool easyColours);
// One symbol centred at (x, y), sized for the cell.
void DrawSymbol(TCanvas& canvas, int cellSize, int x, int y, int colour, int fill, int shape, bool easyColours);

// Paints the board from the game's state onto a canvas. It changes nothing
// but the picture.
class TBoard {
public:
  TBoard(TCanvas& canvas, const TGame& game, const TBoardSettings& settings);

  void Resize(int width, int height);
  const TBoardLayout& Layout() const { return Lay; }
  int Width() const { return W; }
  int Height() const { return H; }
  std::optional<TSlot> PointToSlot(int x, int y) const;

  void Paint();
  void RedrawSlot(int col, int row);
  void DrawSymbol(int x, int y, int colour, int fill, int shape);
  void DrawScore();
  // Where the score label belongs: 5 pixels right of the first digit.
  int ScoreLabelLeft() const;
  // Another figure in the score's place (a practice game's seconds), drawn
  // from the next DrawScore on; none draws the score again.
  void ShowFigure(std::optional<int> figure) { Figure = figure; }
  void ShowDetector();
  void ClearDetector();
  // Why three picked cards are no SET: the four attributes' rows, each in
  // its own place, with the dark disc (all alike), the light disc (all
  // different) or a square split dark and light (two alike, one different).
  void ShowVerdict(const std::array<std::int32_t, 4>& match);

private:
  bool Drawable() const { return Lay.CellSize >= 1; }
  int Band() const;
  TSize Tile() const;
  void TileBoardTexture(int left, int top, int right, int bottom);
  void DrawDetectorIcon(int row, int x0, int y0);

  TCanvas& Canvas;
  const TGame& Game;
  const TBoardSettings& Settings;
  TBoardLayout Lay;
  int W = 0;
  int H = 0;
  std::optional<int> Figure;

  std::string HeaderText() const;
};
