#pragma once

#include "game/Random.h"
#include "shell/PlayQuestions.h"
#include "shell/ShellState.h"
#include "toolkit/IniCtrl.h"

#include <QWidget>

#include <cstdint>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class TAudioBackend;
class TBitmapList;
class TBoardReader;
class TBoardWidget;
class TDlgResources;
class TDealCodeDlg;
class TErrorReporter;
class TFormKeeper;
class THeldKeys;
class THelpSystem;
class THighscoreDlg;
class TInfoDlg;
class TImageButton;
class TMusicBox;
class TOptionDlg;
class TPlaySession;
class TQtCanvas;
class TReviewDlg;
class TRulePictures;
class TSettings;
class TShapeHint;
class TStatsDlg;
class TStatsStore;
class TTextScrambler;
class TTongueDlg;
class TYesNoDlg;

// The main window: the board, the button bar and the score's label laid
// out, the keys, the settings, the music, the rules and the texts. The game
// being played is its play session's, which it hands every click, key and
// tick, and for which it asks the game's questions with its dialogs. The
// dialogs are created after it and attached with SetDialogs, the one place
// where the window listens to them.
class Tmainform final : public QWidget, public TPlayQuestions {
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
    TDealCodeDlg* DealCodeDlg = nullptr;
  };
  void SetDialogs(const TDialogs& dialogs);

  void ApplyTexts();
  // The player's language: kept in the state and spoken at once by every
  // window.
  void SetLanguage(TLanguage language);

  // The game's questions, asked with the dialogs.
  int ShowCode(int code) override;
  int ShowText(int code, const QString& text) override;
  void EnterHighScore(int score) override;
  void ShowReview(const TGameReview& game) override;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

private:
  // The dialogs are handed the state, the store and the scrambler where
  // they are made; the shell's tests reach the session, the buttons and
  // the options as a player would have set them.
  friend class TForms;
  friend class TShellTest;

  TShellState State;
  TIniCtrl ini;
  std::unique_ptr<TSettings> Settings;
  // The figures of the games played.
  std::unique_ptr<TStatsStore> Stats;
  // The program's one scrambler of the stored high-score rows.
  std::unique_ptr<TTextScrambler> Scrambler;

  void FormCreate();
  void InstallHelp();
  void FormShow();
  // The balloon of the first start: the rules and the practice game.
  void PointTheWay();
  bool CloseQuery();
  void Leave();
  void FormDestroy();
  void Destroy();
  void Resize(int width, int height);
  void Timer1Timer();
  void StartMusic();
  void HighScoreBtnClick();
  // The fifteen best, to look at or to enter a score.
  void ShowHighscores(int score, bool viewOnly);
  void OptionBtnClick();
  void InfoBtnClick();
  void RulesBtnClick();
  void StatsShow();
  // Asks for a deal's code and deals it.
  void PlayDealByCode();
  TImageButton* MakeButton(const char* name, int left);
  // The button that a TButtonKey stands for.
  TImageButton* ButtonOf(int key) const;
  // The board's picture and its reader follow the session.
  void WireSession();
  // The score's label, and in a practice game the count of SETs, in the
  // language in use.
  void WordScoreStrip();
  // The count of SETs and the practice button, left of the cards.
  void PlaceBoardSide();

  TImageButton* MixBtn = nullptr;
  TImageButton* StartBtn;
  TImageButton* PauseBtn;
  TImageButton* HighScoreBtn;
  TImageButton* TipBtn;
  TImageButton* OptionBtn;
  TImageButton* InfoBtn;
  TImageButton* RulesBtn;
  TImageButton* ExitBtn;
  TImageButton* PracticeBtn;
  // The deals: this one again, or one by its code.
  TImageButton* DealBtn;
  QMenu* DealMenu;
  QAction* AgainAction;
  QAction* CodeAction;
  std::unique_ptr<TMusicBox> Music;
  const TDlgResources& DlgResources;
  std::unique_ptr<THelpSystem> HelpSystem;
  TDialogs Dialogs;
  std::unique_ptr<TBitmapList> Bmps;
  TBoardWidget* box;
  std::unique_ptr<TQtCanvas> Canvas;
  std::unique_ptr<TRulePictures> Pictures;
  std::unique_ptr<TPlaySession> Session;
  QLabel* ScoreLabel;
  QLabel* SetsLabel;
  QTimer* Timer;
  TShapeHint* ShapeHint1;
  std::unique_ptr<TFormKeeper> FormKeeper1;
  std::unique_ptr<TBoardReader> Reader;
  std::unique_ptr<THeldKeys> HeldKeys;
  std::unique_ptr<TErrorReporter> Errors;
  bool MusicStarted = false;
  bool Destroyed = false;
};
