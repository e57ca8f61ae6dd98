#pragma once

// The settings the board reads; the shell owns them.
struct TBoardSettings {
  int BackMode = 0; // 0 grey, 1 brown, 2 green, 3 blue, 4 red
  bool DetectorOn = true;

  // The background drawn: a stored mode outside the five counts as grey.
  int Background() const { return BackMode >= 0 && BackMode <= 4 ? BackMode : 0; }
};
