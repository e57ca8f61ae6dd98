#include "shell/PlaySession.h"

#include "board/Board.h"
#include "game/CardCode.h"
#include "game/Game.h"
#include "game/SetFinder.h"
#include "scores/StatsStore.h"
#include "shell/MainTexts.h"
#include "shell/PlayQuestions.h"
#include "shell/ShellState.h"
#include "sound/Audio.h"

#include <algorithm>

template <typename TStep>
void TPlaySession::Play(TStep step)
{
  ++Playing;
  step();
  --Playing;
  Recorded();
}

TPlaySession::TPlaySession(TCanvas& canvas, const TShellState& state, TAudioBackend& audio, TStatsStore& stats,
  TPlayQuestions& questions, std::uint64_t seed)
  : State(state)
  , Audio(audio)
  , Stats(stats)
  , Questions(questions)
  , Random(seed)
  , Game(std::make_unique<TGame>(*this, Source))
  , Board(std::make_unique<TBoard>(canvas, *Game, state))
{
}

TPlaySession::~TPlaySession() = default;

const TGameRecord& TPlaySession::Record() const
{
  return Game->Record();
}

QRect TPlaySession::CellRect(TSlot slot) const
{
  const TCellRect cell = ::CellRect(Board->Layout(), slot);
  return QRect(cell.Left, cell.Top, cell.Size, cell.Size);
}

void TPlaySession::NewGame()
{
  Dealt.Deal = Random.Position();
  Game->NewGame();
  Recorder.Observe(Game->Record(), State.DetectorOn);
}

void TPlaySession::Resize(int width, int height)
{
  Board->Resize(width, height);
  if (KeyFrameSlot)
    ShowKeyFrame(*KeyFrameSlot);
}

void TPlaySession::BoardMouseDown(int x, int y)
{
  Play([&] { Game->MouseDown(Board->PointToSlot(x, y)); });
}

void TPlaySession::BoardMouseMove(int x, int y)
{
  HideKeyFrame();
  Game->MouseMove(Board->PointToSlot(x, y));
}

void TPlaySession::PressSlot(TSlot slot)
{
  Play([&] { Game->MouseDown(slot); });
}

void TPlaySession::CardKey(TSlot slot)
{
  ShowKeyFrame(slot);
  Play([&] { Game->MouseDown(slot); });
}

void TPlaySession::MoveKeyFrame(int columns, int rows)
{
  // Shown first where it was, or on the top-left card; then moved, stopping
  // at the edges. With two cards picked it drives the SET detector as the
  // pointer does.
  TSlot slot = KeyFrameSlot.value_or(TSlot {});
  if (KeyFrameSlot) {
    slot.Col = std::clamp(slot.Col + columns, 0, GridSize - 1);
    slot.Row = std::clamp(slot.Row + rows, 0, GridSize - 1);
  }
  ShowKeyFrame(slot);
  Game->MouseMove(slot);
}

void TPlaySession::PickKeyFrame()
{
  if (!KeyFrameSlot)
    MoveKeyFrame(0, 0);
  else
    Play([this] { Game->MouseDown(*KeyFrameSlot); });
}

void TPlaySession::ShowKeyFrame(TSlot slot)
{
  KeyFrameSlot = slot;
  // Hidden with the cards during a pause.
  emit KeyFrameDrawn(Game->Record().GameState == gsPaused ? QRect() : CellRect(slot));
  emit KeyFrameMoved(slot);
}

void TPlaySession::HideKeyFrame()
{
  KeyFrameSlot.reset();
  emit KeyFrameDrawn(QRect());
  emit KeyFrameHidden();
}

void TPlaySession::MixBtnClick()
{
  Play([this] { Game->MixBtnClick(); });
}

void TPlaySession::StartBtnClick()
{
  StartGame(false);
}

void TPlaySession::PracticeBtnClick()
{
  StartGame(true);
}

void TPlaySession::PlayDealAgain()
{
  PlayDeal(Dealt.Deal);
}

void TPlaySession::PlayDeal(std::uint64_t deal)
{
  StartGame(false, deal);
}

void TPlaySession::StartGame(bool practice, std::optional<std::uint64_t> deal)
{
  Play([this, practice, deal] {
    // A new game draws its deck from the random source; a game kept (the
    // player answered No) draws nothing, and the source stays as it was.
    const std::optional<TPcgRandom> kept = Source.Replay;
    Source.Replay = deal ? std::optional<TPcgRandom>(TPcgRandom::AtPosition(*deal)) : std::nullopt;
    const std::uint64_t before = Source.Position();
    Game->StartBtnClick();
    if (Source.Position() == before) {
      Source.Replay = kept;
      return;
    }
    DealtBefore = Dealt;
    Dealt = TDealt { practice, deal.has_value(), before };
    PracticeSeconds = 0;
    DrawScore();
  });
}

int TPlaySession::SetsOnTable() const
{
  return ::SetsOnTable(Game->Record());
}

void TPlaySession::PauseBtnClick()
{
  Play([this] { Game->PauseBtnClick(); });
}

void TPlaySession::TipBtnMouseDown()
{
  Play([this] { Game->TipBtnMouseDown(); });
}

void TPlaySession::TipBtnMouseUp()
{
  Game->TipBtnMouseUp();
}

void TPlaySession::Timer1Timer()
{
  Play([this] {
    // A practice game's clock counts the seconds played, not the penalties
    // a Mix puts on the game's clock.
    const std::int32_t before = Game->Record().TimeTicks;
    Game->Timer1Timer();
    if (Dealt.Practice && Game->Record().TimeTicks == before + 1) {
      ++PracticeSeconds;
      DrawScore();
    }
  });
}

void TPlaySession::Abandon()
{
  if (const std::optional<TGameReview> left = Recorder.Abandon(); left && !Dealt.Practice && !Dealt.Replayed)
    Stats.Add(*left);
}

void TPlaySession::Recorded()
{
  Recorder.Observe(Game->Record(), State.DetectorOn);
  // A tick inside the end's messages waits for the step that ended the game.
  if (Playing > 0)
    return;
  const std::optional<TGameReview> ended = Recorder.TakeEnded();
  // What ended is the game before the latest deal (abandoned by it) or the
  // game on the table (played to its end); a practice game counts nowhere,
  // a deal played again only as the last game.
  const TDealt kind = DealtBefore.value_or(Dealt);
  DealtBefore.reset();
  if (!ended || kind.Practice)
    return;
  TGameReview game = *ended;
  game.Deal = kind.Deal;
  game.Replayed = kind.Replayed;
  if (kind.Replayed)
    Stats.KeepLast(game);
  else
    Stats.Add(game);
  if (game.Finished() && Stats.ShowReview())
    Questions.ShowReview(game);
}

void TPlaySession::RedrawSlot(int col, int row)
{
  Board->RedrawSlot(col, row);
  emit SlotChanged(TSlot { col, row });
  KeepWrongPick();
}

void TPlaySession::KeepWrongPick()
{
  if (!WrongPick.Remembered())
    return;
  const TGameRecord& record = Game->Record();
  if (WrongPick.Holds(record) && ExplainsWrongPicks()) {
    if (record.GameState == gsRunning)
      Board->ShowVerdict(WrongPick.Match());
    return;
  }
  WrongPick.Forget();
  emit WrongPickSaid(QString());
  if (record.GameState == gsRunning)
    Board->ClearDetector();
}

void TPlaySession::RepaintBoard()
{
  Board->Paint();
  emit ScoreLabelMoved(Board->ScoreLabelLeft());
  if (KeyFrameSlot)
    ShowKeyFrame(*KeyFrameSlot);
  KeepWrongPick();
  emit BoardChanged();
}

bool TPlaySession::ExplainsWrongPicks() const
{
  return Dealt.Practice || State.DetectorOn;
}

void TPlaySession::DrawScore()
{
  Board->ShowFigure(Dealt.Practice ? std::optional<int>(PracticeSeconds) : std::nullopt);
  Board->DrawScore();
  emit ScoreLabelMoved(Board->ScoreLabelLeft());
  emit ScoreChanged();
}

void TPlaySession::ShowDetector()
{
  Board->ShowDetector();
}

void TPlaySession::ClearDetector()
{
  Board->ClearDetector();
  KeepWrongPick();
}

void TPlaySession::PlayEffect(int effect)
{
  // A refused pick: with the detector on, the strip tells why.
  if (effect == efNotASet && ExplainsWrongPicks()) {
    WrongPick.Noticed(Game->Record());
    emit WrongPickSaid(TWrongPick::Said(WrongPick.Match()));
    KeepWrongPick();
  }
  if (!State.SoundOn || effect < 1 || effect > EffectCount || !Audio.EffectsAvailable())
    return;
  Audio.PlayEffect(effect - 1);
}

int TPlaySession::ShowCode(int code)
{
  if (Dealt.Practice && code == mcGameWon)
    return PracticeOver(true);
  return Questions.ShowCode(code);
}

int TPlaySession::ShowText(int code, TGameMessage message)
{
  if (Dealt.Practice && message == gmNoMoreSet)
    return PracticeOver(false);
  return Questions.ShowText(code, GameMessageText(message));
}

int TPlaySession::PracticeOver(bool allTaken)
{
  return Questions.ShowText(mcOwnText, PracticeOverText(allTaken, CardCount - Game->Record().TakenCount, PracticeSeconds));
}

void TPlaySession::EnterHighScore(int score)
{
  // A practice game or a deal played again enters no list.
  if (!Dealt.Practice && !Dealt.Replayed)
    Questions.EnterHighScore(score);
}

bool TPlaySession::DetectorOn() const
{
  return State.DetectorOn;
}
