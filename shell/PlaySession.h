#pragma once

#include "game/GameHost.h"
#include "game/GameRecord.h"
#include "game/Random.h"
#include "scores/GameRecorder.h"
#include "shell/WrongPick.h"

#include <QObject>
#include <QRect>

#include <cstdint>
#include <memory>
#include <optional>

class TAudioBackend;
class TBoard;
class TCanvas;
class TGame;
class TPlayQuestions;
struct TShellState;
class TStatsStore;

// One game's life, from the deal to the end: the random source, the game,
// the board it is painted on, the account of it, the reason of a refused
// pick and the keyboard's frame over the cards. It carries out what the game
// asks of its host: it paints through the board, sounds through the audio
// layer, asks through the window's dialogs (TPlayQuestions), and tells the
// window and the screen reader what changed by its signals. The window
// hands it every step of the player's.
class TPlaySession final : public QObject, public TGameHost {
  Q_OBJECT

public:
  TPlaySession(TCanvas& canvas, const TShellState& state, TAudioBackend& audio, TStatsStore& stats, TPlayQuestions& questions,
    std::uint64_t seed);
  ~TPlaySession() override;

  TGame& GameOf() { return *Game; }
  const TGameRecord& Record() const;
  TBoard& BoardOf() { return *Board; }
  // Where the random source stood when the game on the table was dealt:
  // with the same steps it deals the same game again.
  std::uint64_t Deal() const { return Dealt.Deal; }
  // The game being played, as accounted so far.
  const TGameReview& Account() const { return Recorder.Current(); }

  // A card's cell on the board, in the board's coordinates.
  QRect CellRect(TSlot slot) const;

  // The first game, dealt once the board has its size and the options
  // are read.
  void NewGame();
  void Resize(int width, int height);

  // The player's steps.
  void BoardMouseDown(int x, int y);
  void BoardMouseMove(int x, int y);
  void PressSlot(TSlot slot); // a screen reader's press on a card
  void CardKey(TSlot slot);
  void MoveKeyFrame(int columns, int rows);
  void PickKeyFrame();
  void MixBtnClick();
  void StartBtnClick();
  // A practice game, dealt as a new game is (after the same question when a
  // game runs): it is never scored; the header shows the seconds played,
  // hints and Mixes cost nothing, every wrong pick is explained, it ends
  // with a message of its own, and nothing of it is stored. Start deals a
  // normal game again.
  void PracticeBtnClick();
  bool Practising() const { return Dealt.Practice; }
  // The deal on the table or the last one, dealt anew from where it began;
  // or a deal given by its code. After the same question as Start; the game
  // enters no list and no lifetime figure, and Start deals from the one
  // generator again.
  void PlayDealAgain();
  void PlayDeal(std::uint64_t deal);
  bool Replaying() const { return Dealt.Replayed; }
  // How many SETs lie on the table.
  int SetsOnTable() const;
  // The seconds a practice game has been played.
  int PracticeTime() const { return PracticeSeconds; }
  void PauseBtnClick();
  void TipBtnMouseDown();
  void TipBtnMouseUp();
  void Timer1Timer();
  // The program ends: a game begun and not ended counts as abandoned.
  void Abandon();

  // The outward calls of the game.
  void RedrawSlot(int col, int row) override;
  void RepaintBoard() override;
  void DrawScore() override;
  void ShowDetector() override;
  void ClearDetector() override;
  void PlayEffect(int effect) override;
  int ShowCode(int code) override;
  int ShowText(int code, TGameMessage message) override;
  void EnterHighScore(int score) override;
  bool DetectorOn() const override;

signals:
  void SlotChanged(TSlot slot);
  void ScoreChanged();
  // The whole board was drawn anew (a pause hides the cards, a new game).
  void BoardChanged();
  // Where the score's label belongs, after the score was drawn.
  void ScoreLabelMoved(int left);
  // Why the three picked cards are no SET; empty once they are not.
  void WrongPickSaid(const QString& text);
  // The keyboard's frame: drawn around a card's cell (an empty cell while
  // it is gone or a pause hides the cards); on a slot, or on none.
  void KeyFrameDrawn(const QRect& cell);
  void KeyFrameMoved(TSlot slot);
  void KeyFrameHidden();

private:
  // Hands a step to the game, then lets the recorder look at what it did.
  template <typename TStep> void Play(TStep step);
  // The recorder looks at the game; a game that has ended since is added to
  // the figures, and one played to its end is reviewed, once the step that
  // ended it (with its messages and the high-score entry) is over.
  void Recorded();
  void ShowKeyFrame(TSlot slot);
  void HideKeyFrame();
  // The reason of a refused pick stays in the strip while its three cards
  // stay picked, and goes with them.
  void KeepWrongPick();
  // A practice game explains every wrong pick; a normal one with the
  // detector on.
  bool ExplainsWrongPicks() const;
  // Deals a new game (after the game's question when one runs), a
  // practice game or a normal one.
  void StartGame(bool practice, std::optional<std::uint64_t> deal = std::nullopt);
  // A practice game's end, worded in its own message.
  int PracticeOver(bool allTaken);

  const TShellState& State;
  TAudioBackend& Audio;
  TStatsStore& Stats;
  TPlayQuestions& Questions;
  TPcgRandom Random;
  TDealSource Source { Random };
  std::unique_ptr<TGame> Game;
  std::unique_ptr<TBoard> Board;
  TGameRecorder Recorder;
  TWrongPick WrongPick;
  std::optional<TSlot> KeyFrameSlot;
  int Playing = 0; // steps of the game under way
  // What kind of game a deal began: a practice game counts nowhere, a deal
  // played again enters no list and no lifetime figure.
  struct TDealt {
    bool Practice = false;
    bool Replayed = false;
    std::uint64_t Deal = 0; // where the source stood
  };
  TDealt Dealt; // the game on the table
  // The game before the latest deal, while the recorder may still report
  // it; set by a deal, cleared once looked at.
  std::optional<TDealt> DealtBefore;
  int PracticeSeconds = 0;
};
