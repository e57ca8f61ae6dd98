#pragma once

// The settings the board reads; the shell owns them.
struct TBoardSettings {
  int BackMode = 0; // 0 grey, 1 brown, 2 green, 3 blue, 4 red
  bool DetectorOn = true;
  // 0 the standard symbol colours, 1 colours that are easy to tell apart
  // with a red-green colour blindness; any other value counts as 0.
  int Palette = 0;

  // The background drawn: a stored mode outside the five counts as grey.
  int Background() const { return BackMode >= 0 && BackMode <= 4 ? BackMode : 0; }
  bool EasyColours() const { return Palette == 1; }
};
