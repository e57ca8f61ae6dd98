#pragma once

#include "assets/Artwork.h"
#include "board/Board.h"
#include "board/QtCanvas.h"
#include "game/Game.h"
#include "game/Random.h"
#include "game/SilentHost.h"

#include <gtest/gtest.h>

#include <QColor>

// A board painted on an image of the given size, with the real artwork.
class TBoardTest : public ::testing::Test {
protected:
  TSilentHost Host;
  TPcgRandom Random { 99 };
  TGame Game { Host, Random };
  TGameRecord& Rec = Game.Record();
  TBoardSettings Settings;
  TBitmapList Bmps = LoadBmps();
  QImage Surface;
  TQtCanvas Canvas { Surface, Bmps };
  TBoard Board { Canvas, Game, Settings };

  void Open(int width = 701, int height = 401)
  {
    Surface = QImage(width, height, QImage::Format_RGB32);
    Surface.fill(Qt::magenta);
    Board.Resize(width, height);
    Game.NewGame();
  }

  QRgb At(int x, int y) const { return Surface.pixel(x, y) & 0xFFFFFFU; }
  // The pixel of the background sheet that the board texture puts at (x, y).
  QRgb BoardTexture(int x, int y) const { return Sheet(x % 160, 120 * Settings.BackMode + y % 120); }
  QRgb HeaderTexture(int x, int y) const { return Sheet(160 + x % 160, 120 * Settings.BackMode + y); }
  QRgb Sheet(int x, int y) const { return Bmps.Bitmap(bmpBackground).pixel(x, y) & 0xFFFFFFU; }

  TPoint Centre(int col, int row) const
  {
    const TBoardLayout& l = Board.Layout();
    const TCellRect cell = CellRect(l, TSlot { col, row });
    return { cell.CentreX(), cell.CentreY() };
  }
};

constexpr QRgb RgbOf(int r, int g, int b)
{
  return static_cast<QRgb>((r << 16) | (g << 8) | b);
}
