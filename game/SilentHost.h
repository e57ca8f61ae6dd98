#pragma once

#include "game/GameHost.h"

// A host that ignores every call and answers every question with Yes; for
// benchmarks and tests that look only at the game record or the picture.
class TSilentHost final : public TGameHost {
public:
  bool Detector = true;

  void RedrawSlot(int, int) override { }
  void RepaintBoard() override { }
  void DrawScore() override { }
  void ShowDetector() override { }
  void ClearDetector() override { }
  void PlayEffect(int) override { }
  int ShowCode(int) override { return mrYes; }
  int ShowText(int, TGameMessage) override { return mrYes; }
  void EnterHighScore(int) override { }
  bool DetectorOn() const override { return Detector; }
};
