#include "Main.h"

#include "Artwork.h"

#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace {
constexpr int DesignWidth = 701;
constexpr int DesignHeight = 401;
}

Tmainform::Tmainform(QWidget* parent)
  : QWidget(parent)
  , Bmps(LoadBmps())
  , Random(TPcgRandom::ClockSeed())
  , Game(*this, Random)
  , box(new TBoardWidget(this))
  , Canvas(box->Surface(), Bmps)
  , Board(Canvas, Game, BoardSettings)
  , ScoreLabel(new QLabel(QStringLiteral("Score:"), this))
  , Timer(new QTimer(this))
{
  setWindowTitle(QStringLiteral("Trivolo V2.1"));
  resize(DesignWidth, DesignHeight);
  Canvas.Changed = [this](const QRect& area) { box->update(area); };
  box->setGeometry(rect());

  QFont labelFont(QStringLiteral("Liberation Sans"));
  labelFont.setPixelSize(11);
  ScoreLabel->setFont(labelFont);
  ScoreLabel->setStyleSheet(QStringLiteral("color: rgb(254, 201, 18); background: transparent;"));
  ScoreLabel->move(272, 4);

  Board.Resize(DesignWidth, DesignHeight);
  Game.NewGame();

  connect(box, &TBoardWidget::Resized, this, &Tmainform::Resize);
  connect(box, &TBoardWidget::MouseDown, this, &Tmainform::BoxMouseDown);
  connect(box, &TBoardWidget::MouseMove, this, &Tmainform::BoxMouseMove);
  connect(Timer, &QTimer::timeout, this, &Tmainform::Timer1Timer);
  Timer->start(1000);
}

void Tmainform::Resize(int width, int height)
{
  box->setGeometry(0, 0, width, height);
  Board.Resize(width, height);
  RepaintBoard();
}

void Tmainform::BoxMouseDown(int x, int y)
{
  Game.MouseDown(Board.PointToSlot(x, y));
}

void Tmainform::BoxMouseMove(int x, int y)
{
  Game.MouseMove(Board.PointToSlot(x, y));
}

void Tmainform::Timer1Timer()
{
  Game.Timer1Timer();
}

void Tmainform::RedrawSlot(int col, int row)
{
  Board.RedrawSlot(col, row);
}

void Tmainform::RepaintBoard()
{
  Board.Paint();
  ScoreLabel->move(Board.ScoreLabelLeft(), ScoreLabel->y());
}

void Tmainform::DrawScore()
{
  Board.DrawScore();
  ScoreLabel->move(Board.ScoreLabelLeft(), ScoreLabel->y());
}

void Tmainform::ShowDetector()
{
  Board.ShowDetector();
}

void Tmainform::ClearDetector()
{
  Board.ClearDetector();
}

void Tmainform::PlayEffect(int)
{
}

void Tmainform::MusicKeepAlive()
{
}

int Tmainform::ShowCode(int code)
{
  return ShowText(code, code == 4 ? "Do you really want to give up the game?" : "Hurrah, you did it!");
}

int Tmainform::ShowText(int, const std::string& text)
{
  QString shown = QString::fromStdString(text);
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return QMessageBox::question(this, windowTitle(), shown) == QMessageBox::Yes ? mrYes : mrNo;
}

void Tmainform::EnterHighScore(int)
{
}

bool Tmainform::DetectorOn() const
{
  return BoardSettings.DetectorOn;
}

int Tmainform::Tongue() const
{
  return 0;
}
