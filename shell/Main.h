#pragma once

#include "BitmapList.h"
#include "Board.h"
#include "BoardWidget.h"
#include "Game.h"
#include "QtCanvas.h"
#include "Random.h"

#include <QWidget>

class QLabel;
class QTimer;

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

private:
  void Resize(int width, int height);
  void BoxMouseDown(int x, int y);
  void BoxMouseMove(int x, int y);
  void Timer1Timer();

  TBoardSettings BoardSettings;
  TBitmapList Bmps;
  TPcgRandom Random;
  TGame Game;
  TBoardWidget* box;
  TQtCanvas Canvas;
  TBoard Board;
  QLabel* ScoreLabel;
  QTimer* Timer;
};
