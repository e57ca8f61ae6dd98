#pragma once

class QString;
struct TGameReview;

// The modal questions of a game, which the window asks for its play
// session with its dialogs. Each returns once the dialog has closed.
class TPlayQuestions {
public:
  virtual ~TPlayQuestions() = default;

  // The message box; both return mrYes or mrNo.
  virtual int ShowCode(int code) = 0;
  virtual int ShowText(int code, const QString& text) = 0;
  // The high-score list, taking a name for the score.
  virtual void EnterHighScore(int score) = 0;
  // The review of a game played to its end.
  virtual void ShowReview(const TGameReview& game) = 0;
};
