// The score in the header: a patch of header texture, then digits from the
// digit strip combined with the board through their mask.
#include "board/Board.h"
#include "game/Game.h"

#include <algorithm>
#include <string>

namespace {
constexpr int ScoreMax = 99999;
constexpr int ScoreMin = -9999;
constexpr int ScoreTop = 22;
constexpr int DigitHeight = 27;
constexpr int DigitPitch = 20;
constexpr int DigitWidth = 19;
constexpr int PatchWidth = 100;
constexpr int LabelOffset = 5;
// The digit block is centred by (width - CentringSpan - block) / 2 +
// CentringLeft: in the header between the two button groups.
constexpr int CentringSpan = 364;
constexpr int CentringLeft = 208;
} // namespace

namespace {

// The left edge of a block of the given width, centred in the header.
int CentredLeft(int width, int block)
{
  return (width - CentringSpan - block) / 2 + CentringLeft;
}

int FirstDigitLeft(int width, int characters)
{
  return CentredLeft(width, DigitPitch * characters);
}

} // namespace

std::string TBoard::HeaderText() const
{
  return std::to_string(std::clamp(Figure.value_or(ComputeScore(Game.Record())), ScoreMin, ScoreMax));
}

int TBoard::ScoreLabelLeft() const
{
  return FirstDigitLeft(W, static_cast<int>(HeaderText().size())) + LabelOffset;
}

void TBoard::DrawScore()
{
  if (!Drawable())
    return;
  const std::string text = HeaderText();
  const int n = static_cast<int>(text.size());
  const int x0 = FirstDigitLeft(W, n);

  const TSize tile = Tile();
  const int left = CentredLeft(W, PatchWidth);
  const int p = ((left % tile.Width) + tile.Width) % tile.Width;
  const int y0 = tile.Height * Band() + ScoreTop;
  if (tile.Width - p >= PatchWidth) {
    Canvas.CopyBitmap(left, ScoreTop, PatchWidth, DigitHeight, bmpBackground, tile.Width + p, y0, ropCopy);
  } else {
    Canvas.CopyBitmap(left, ScoreTop, tile.Width - p, DigitHeight, bmpBackground, tile.Width + p, y0, ropCopy);
    Canvas.CopyBitmap(left + tile.Width - p, ScoreTop, PatchWidth - tile.Width + p, DigitHeight, bmpBackground, tile.Width, y0, ropCopy);
  }

  for (int i = 0; i < n; ++i) {
    const int cell = text[i] == '-' ? 0 : text[i] - '0' + 1;
    const int x = x0 + DigitPitch * i;
    Canvas.CopyBitmap(x, ScoreTop, DigitWidth, DigitHeight, bmpDigits, DigitPitch * cell, DigitHeight, ropAnd);
    Canvas.CopyBitmap(x, ScoreTop, DigitWidth, DigitHeight, bmpDigits, DigitPitch * cell, 0, ropOr);
  }
}
