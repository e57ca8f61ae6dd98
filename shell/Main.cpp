#include "Main.h"

#include "Artwork.h"
#include "ImageButton.h"
#include "ShapeHint.h"

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
  , ShapeHint1(new TShapeHint(this))
  , MixBtn(MakeButton("MixBtn", 4, QStringLiteral("I want to mix up the remaining cards.")))
  , StartBtn(MakeButton("StartBtn", 56, QStringLiteral("I start again.")))
  , PauseBtn(MakeButton("PauseBtn", 108, QStringLiteral("I need a break.")))
  , TipBtn(MakeButton("TipBtn", 212, QStringLiteral("Please show me a SET.")))
  , ExitBtn(MakeButton("ExitBtn", DesignWidth - 52, QStringLiteral("I have enough!")))
{
  setWindowIcon(ProgramIcon());
  setWindowTitle(QStringLiteral("Trivolo V2.1"));
  resize(DesignWidth, DesignHeight);
  Canvas.Changed = [this](const QRect& area) { box->update(area); };
  box->setGeometry(rect());
  box->lower();

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
  connect(MixBtn, &TImageButton::OnClick, this, [this] { Game.MixBtnClick(); });
  connect(StartBtn, &TImageButton::OnClick, this, [this] { Game.StartBtnClick(); });
  connect(PauseBtn, &TImageButton::OnClick, this, [this] { Game.PauseBtnClick(); });
  connect(TipBtn, &TImageButton::OnMouseDown, this, [this] { Game.TipBtnMouseDown(); });
  connect(TipBtn, &TImageButton::OnMouseUp, this, [this] { Game.TipBtnMouseUp(); });
  connect(ExitBtn, &TImageButton::OnClick, this, &QWidget::close);
  Timer->start(1000);
}

TImageButton* Tmainform::MakeButton(const char* name, int left, const QString& hint)
{
  const TButtonFaces& faces = FacesOf(name);
  const TBitmapList& list = faces.List == flBmps ? Bmps : DlgResources.btns;
  auto* button = new TImageButton(this, list, FaceTable(faces.Up, faces.Disabled, faces.Over, faces.Down));
  button->setObjectName(QString::fromLatin1(name));
  button->move(left, 4);
  button->SetHint(hint);
  return button;
}

void Tmainform::resizeEvent(QResizeEvent*)
{
  box->setGeometry(rect());
}

void Tmainform::Resize(int width, int height)
{
  ExitBtn->move(width - 52, 4);
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
