#pragma once

#include "BitmapList.h"
#include "Board.h"
#include "BoardWidget.h"
#include "DlgRes.h"
#include "Game.h"
#include "QtCanvas.h"
#include "Random.h"

#include <QWidget>

class QLabel;
class QTimer;
class TImageButton;
class TShapeHint;

// The main window: owns the game, the board and the one-second timer, and
// carries out everything the game asks of its host.
class Tmainform final : public QWidget, public TGameHost {
  Q_OBJECT

public:
  explicit Tmainform(QWidget* parent = nullptr);

  TGame& GameOf() { return Game; }
  TBoard& BoardOf() { return Board; }
  TBoardWidget* Box() const { return box; }
  TBoardSettings& Settings() { return BoardSettings; }

  void RedrawSlot(int col, int row) override;
  void RepaintBoard() override;
  void DrawScore() override;
  void ShowDetector() override;
  void ClearDetector() override;
  void PlayEffect(int effect) override;
  void MusicKeepAlive() override;
  int ShowCode(int code) override;
  int ShowText(int code, const std::string& text) override;
  void EnterHighScore(int score) override;
  bool DetectorOn() const override;
  int Tongue() const override;

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void Resize(int width, int height);
  void BoxMouseDown(int x, int y);
  void BoxMouseMove(int x, int y);
  void Timer1Timer();
  TImageButton* MakeButton(const char* name, int left, const QString& hint);

  TBoardSettings BoardSettings;
  TBitmapList Bmps;
  TDlgResources DlgResources;
  TPcgRandom Random;
  TGame Game;
  TBoardWidget* box;
  TQtCanvas Canvas;
  TBoard Board;
  QLabel* ScoreLabel;
  QTimer* Timer;
  TShapeHint* ShapeHint1;
  TImageButton* MixBtn;
  TImageButton* StartBtn;
  TImageButton* PauseBtn;
  TImageButton* TipBtn;
  TImageButton* ExitBtn;
};
