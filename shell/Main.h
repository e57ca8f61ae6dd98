#pragma once

#include "game/GameHost.h"
#include "game/GameRecord.h"
#include "game/Random.h"
#include "scores/GameRecorder.h"
#include "scores/TextScrambler.h"
#include "shell/ShellState.h"
#include "shell/WrongPick.h"
#include "toolkit/IniCtrl.h"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QTimer;
class TAudioBackend;
class TBitmapList;
class TBoard;
class TBoardReader;
class TBoardWidget;
class TDlgResources;
class TErrorReporter;
class TFormKeeper;
class TGame;
class THeldKeys;
class THelpSystem;
class THighscoreDlg;
class TInfoDlg;
class TImageButton;
class TMusicBox;
class TOptionDlg;
class TReviewDlg;
class TQtCanvas;
class TSettings;
class TShapeHint;
class TStatsDlg;
class TStatsStore;
class TTongueDlg;
class TYesNoDlg;

// The main window: owns the game, the board, the button bar, the settings
// and the one-second timer, and carries out everything the game asks of its
// host. The dialogs are created after it and attached with SetDialogs, the
// one place where the window listens to them.
class Tmainform final : public QWidget, public TGameHost {
  Q_OBJECT

public:
  // The game's random source is seeded from the clock unless a seed is given.
  Tmainform(const TDlgResources& resources, TAudioBackend& audio, std::uint64_t seed = TPcgRandom::ClockSeed());
  ~Tmainform() override;

  struct TDialogs {
    TOptionDlg* OptionDlg = nullptr;
    TYesNoDlg* YesNoDlg = nullptr;
    TTongueDlg* TongueDlg = nullptr;
    THighscoreDlg* HighscoreDlg = nullptr;
    TInfoDlg* InfoDlg = nullptr;
    TReviewDlg* ReviewDlg = nullptr;
    TStatsDlg* StatsDlg = nullptr;
  };
  void SetDialogs(const TDialogs& dialogs);

  // The options and language, for reading; the dialogs that change them are
  // handed them by TForms and tell the window by signals.
  const TShellState& StateOf() const { return State; }
  TMusicBox& MusicOf() { return *Music; }
  // The button that a TButtonKey stands for.
  TImageButton* ButtonOf(int key) const;

  THelpSystem* Help() { return HelpSystem.get(); }
  TGame& GameOf() { return *Game; }
  TBoard& BoardOf() { return *Board; }
  TBoardWidget* Box() const { return box; }
  QLabel* Score() const { return ScoreLabel; }

  void ApplyTexts();

  // The outward calls of the game.
  void RedrawSlot(int col, int row) override;
  void RepaintBoard() override;
  void DrawScore() override;
  void ShowDetector() override;
  void ClearDetector() override;
  void PlayEffect(int effect) override;
  int ShowCode(int code) override;
  int ShowText(int code, const std::string& text) override;
  void EnterHighScore(int score) override;
  bool DetectorOn() const override;
  int Tongue() const override;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

private:
  // The dialogs are handed the state, the store and the scrambler where
  // they are made; the shell's tests set options as a player would have.
  friend class TForms;
  friend class TShellTest;

  TShellState State;
  TIniCtrl ini;
  std::unique_ptr<TSettings> Settings;
  // The figures of the games played, and the account of this one.
  std::unique_ptr<TStatsStore> Stats;
  TGameRecorder Recorder;
  // The program's one scrambler of the stored high-score rows.
  TTextScrambler Scrambler;

  void FormCreate();
  void InstallHelp();
  void FormShow();
  bool CloseQuery();
  void Leave();
  void FormDestroy();
  void Destroy();
  void Resize(int width, int height);
  void MoveScoreLabel();
  void Timer1Timer();
  void StartMusic();
  void HighScoreBtnClick();
  void OptionBtnClick();
  void InfoBtnClick();
  void RulesBtnClick();
  void StatsShow();
  // Hands a step to the game, then lets the recorder look at what it did.
  template <typename TStep> void Play(TStep step);
  // The recorder looks at the game; a game that has ended since is added to
  // the figures, and one played to its end is reviewed, once the step that
  // ended it (with its messages and the high-score entry) is over.
  void Recorded();
  TImageButton* MakeButton(const char* name, int left);
  // The keyboard's cursor over the grid, shown once the keyboard is used.
  QRect CellRect(TSlot slot) const;
  void ShowKeyCursor(TSlot slot);
  void HideKeyCursor();
  void MoveKeyCursor(int columns, int rows);
  // The reason of a refused pick stays in the strip while its three cards
  // stay picked, and goes with them.
  void KeepWrongPick();

  TImageButton* MixBtn = nullptr;
  TImageButton* StartBtn;
  TImageButton* PauseBtn;
  TImageButton* HighScoreBtn;
  TImageButton* TipBtn;
  TImageButton* OptionBtn;
  TImageButton* InfoBtn;
  TImageButton* RulesBtn;
  TImageButton* ExitBtn;
  std::unique_ptr<TMusicBox> Music;
  const TDlgResources& DlgResources;
  TAudioBackend& Audio;
  std::unique_ptr<THelpSystem> HelpSystem;
  TDialogs Dialogs;
  std::unique_ptr<TBitmapList> Bmps;
  TPcgRandom Random;
  std::unique_ptr<TGame> Game;
  TBoardWidget* box;
  std::unique_ptr<TQtCanvas> Canvas;
  std::unique_ptr<TBoard> Board;
  QLabel* ScoreLabel;
  QTimer* Timer;
  TShapeHint* ShapeHint1;
  std::unique_ptr<TFormKeeper> FormKeeper1;
  std::unique_ptr<TBoardReader> Reader;
  std::unique_ptr<THeldKeys> HeldKeys;
  std::unique_ptr<TErrorReporter> Errors;
  std::optional<TSlot> KeyCursor;
  TWrongPick WrongPick;
  int Playing = 0; // steps of the game under way
  bool MusicStarted = false;
  bool Destroyed = false;
};
