#pragma once

#include <string>

// Modal results of the message dialog.
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// Everything the game asks of the window it runs in. The game never draws,
// sounds or asks by itself; the order of these calls is part of its behaviour.
class TGameHost {
public:
  virtual ~TGameHost() = default;

  virtual void RedrawSlot(int col, int row) = 0;
  virtual void RepaintBoard() = 0;
  virtual void DrawScore() = 0;
  virtual void ShowDetector() = 0;
  virtual void ClearDetector() = 0;
  virtual void PlayEffect(int effect) = 0;
  virtual void MusicKeepAlive() = 0;
  // Both return the dialog's modal result, mrYes or mrNo.
  virtual int ShowCode(int code) = 0;
  virtual int ShowText(int code, const std::string& text) = 0;
  virtual void EnterHighScore(int score) = 0;

  virtual bool DetectorOn() const = 0;
  virtual int Tongue() const = 0;
};
