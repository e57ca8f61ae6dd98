#pragma once

// Modal results of the message dialog.
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// The sound effects by number; wave item n - 1 plays effect n.
enum TEffect : int {
  efGameWon = 1, // all 81 cards taken
  efNotASet = 2, // the three picked cards are no SET
  efSetTaken = 3, // and another SET lies on the table
  efGameOver = 4, // a SET was taken and none is left on the table
  efPick = 5,
  efUnpick = 6,
  efDetectorSet = 7, // the card under the pointer completes a SET
};
constexpr int EffectCount = 7;

// The message dialog's codes that the program raises.
enum TMessageCode : int {
  mcGameWon = 1,
  mcReallyQuit = 3,
  mcGiveUpGame = 4,
  mcOwnText = 10, // one button, the caller's text
  mcOwnQuestion = 11, // Yes and No, the caller's text
};

// The game's own texts, named; the window words them in the player's
// language.
enum TGameMessage : int {
  gmNoMoreSet = 1, // a SET was taken and none is left: the game is over
  gmNoSetOnTable = 2, // the hint found none: shall the cards be mixed?
};

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
  // Both return the dialog's modal result, mrYes or mrNo.
  virtual int ShowCode(int code) = 0;
  virtual int ShowText(int code, TGameMessage message) = 0;
  virtual void EnterHighScore(int score) = 0;

  virtual bool DetectorOn() const = 0;
};
