#include "shell/Main.h"

#include "assets/Artwork.h"
#include "assets/DlgRes.h"
#include "board/Board.h"
#include "board/BoardWidget.h"
#include "board/QtCanvas.h"
#include "scores/StatsStore.h"
#include "scores/StoredKeys.h"
#include "scores/TextScrambler.h"
#include "scores/highscor.h"
#include "shell/Application.h"
#include "shell/BoardAccessible.h"
#include "shell/BoardReader.h"
#include "shell/DataFolder.h"
#include "shell/DealCodeDlg.h"
#include "shell/ErrorReporter.h"
#include "shell/HeldKeys.h"
#include "shell/Help.h"
#include "shell/Info.h"
#include "shell/KeyMap.h"
#include "shell/MainTexts.h"
#include "shell/Options.h"
#include "shell/PlaySession.h"
#include "shell/ReviewPanel.h"
#include "shell/ReviewDlg.h"
#include "shell/RulePictures.h"
#include "shell/Settings.h"
#include "shell/StatsDlg.h"
#include "shell/Tongdlg.h"
#include "shell/Version.h"
#include "shell/WindowAccessible.h"
#include "shell/YesNo.h"
#include "sound/FreedMemory.h"
#include "sound/Music.h"
#include "toolkit/BitmapList.h"
#include "toolkit/FormKeeper.h"
#include "toolkit/ImageButton.h"
#include "toolkit/OpeningEffect.h"
#include "toolkit/ShapeHint.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>

namespace {
// The right-hand buttons' left edges, as distances from the right edge: 50
// pixels wide on a 52-pixel pitch, the last 2 pixels from the edge.
constexpr int OptionBtnFromRight = 208;
constexpr int InfoBtnFromRight = 156;
constexpr int RulesBtnFromRight = 104;
constexpr int ExitBtnFromRight = 52;
constexpr int ButtonTop = 4;
constexpr int DesignWidth = 701;
constexpr int DesignHeight = 401;
// How long the first start's balloon stays unless a click or key ends it.
constexpr int FirstPointerMs = 15000;
} // namespace

Tmainform::Tmainform(const TDlgResources& resources, TAudioBackend& audio, std::uint64_t seed)
  : QWidget(nullptr)
  , ini(QStringLiteral("Mollberg"), QStringLiteral("Trivolo/V2"))
  , Settings(std::make_unique<TSettings>(ini, State))
  , Stats(std::make_unique<TStatsStore>(ini))
  , Scrambler(std::make_unique<TTextScrambler>())
  , Music(std::make_unique<TMusicBox>(audio, State))
  , DlgResources(resources)
  , Bmps(std::make_unique<TBitmapList>(LoadBmps()))
  , box(new TBoardWidget(this))
  , Canvas(box->MakeCanvas(*Bmps))
  , Pictures(std::make_unique<TRulePictures>(*Bmps, resources))
  , Session(std::make_unique<TPlaySession>(*Canvas, State, audio, *Stats, *this, seed))
  , ScoreLabel(new QLabel(QStringLiteral("Punkte:"), this))
  , SetsLabel(new QLabel(this))
  , Timer(new QTimer(this))
  , ShapeHint1(new TShapeHint(this))
  , FormKeeper1(std::make_unique<TFormKeeper>(*this, ini, StoredKey::Common, StoredKey::Placement))
  , HeldKeys(std::make_unique<THeldKeys>())
  , Errors(std::make_unique<TErrorReporter>(State))
{
  setObjectName(QStringLiteral("mainform"));
  InstallWindowRoles();
  TBoardAccessible::Install();
  setWindowIcon(ProgramIcon());
  setPalette(QPalette(QColor(192, 192, 192)));
  resize(DesignWidth, DesignHeight);
  box->setGeometry(rect());
  // Errors wait for the language question and speak the game's language;
  // the music's go to the game's own message box (see SetDialogs).
  ini.OnError = [this](const QString& text) { Errors->Report(text, false); };
  Music->OnError = [this](const QString& text) { Errors->Report(text, true); };
  if (auto* application = dynamic_cast<TApplication*>(QCoreApplication::instance()))
    application->OnError = [this](const QString& text) { Errors->Report(text, false); };

  MixBtn = MakeButton("MixBtn", 4);
  StartBtn = MakeButton("StartBtn", 56);
  PauseBtn = MakeButton("PauseBtn", 108);
  HighScoreBtn = MakeButton("HighScoreBtn", 160);
  TipBtn = MakeButton("TipBtn", 212);
  OptionBtn = MakeButton("OptionBtn", DesignWidth - OptionBtnFromRight);
  InfoBtn = MakeButton("InfoBtn", DesignWidth - InfoBtnFromRight);
  RulesBtn = MakeButton("RulesBtn", DesignWidth - RulesBtnFromRight);
  ExitBtn = MakeButton("ExitBtn", DesignWidth - ExitBtnFromRight);
  // The practice game's button stands apart from the bar, at the foot of
  // the strip left of the cards (see PlaceBoardSide).
  PracticeBtn = MakeButton("PracticeBtn", 0);
  DealBtn = MakeButton("DealBtn", 0);
  DealMenu = new QMenu(this);
  DealMenu->setObjectName(QStringLiteral("DealMenu"));
  AgainAction = DealMenu->addAction(QString(), Session.get(), &TPlaySession::PlayDealAgain);
  CodeAction = DealMenu->addAction(QString(), this, &Tmainform::PlayDealByCode);
  MixBtn->SetFaceStyle(sbCenter);

  QFont labelFont(QStringLiteral("Liberation Sans"));
  labelFont.setPixelSize(11);
  ScoreLabel->setFont(labelFont);
  ScoreLabel->setStyleSheet(QStringLiteral("color: rgb(254, 201, 18); background: transparent;"));
  ScoreLabel->move(272, 4);
  // A practice game's count of SETs, in the strip left of the cards: on a
  // dark patch, so that it reads on every background.
  SetsLabel->setObjectName(QStringLiteral("SetsLabel"));
  SetsLabel->setFont(labelFont);
  SetsLabel->setStyleSheet(
    QStringLiteral("color: rgb(254, 201, 18); background: rgba(0, 0, 0, 160); border-radius: 4px; padding: 3px;"));
  SetsLabel->setAlignment(Qt::AlignCenter);
  SetsLabel->setWordWrap(true);
  SetsLabel->hide();

  connect(box, &TBoardWidget::Resized, this, &Tmainform::Resize);
  connect(Timer, &QTimer::timeout, this, &Tmainform::Timer1Timer);
  connect(MixBtn, &TImageButton::OnClick, this, [this] {
    Music->KeepAlive(); // before the cards are mixed, as at the tick
    Session->MixBtnClick();
  });
  connect(StartBtn, &TImageButton::OnClick, Session.get(), &TPlaySession::StartBtnClick);
  connect(PauseBtn, &TImageButton::OnClick, Session.get(), &TPlaySession::PauseBtnClick);
  connect(HighScoreBtn, &TImageButton::OnClick, this, &Tmainform::HighScoreBtnClick);
  connect(TipBtn, &TImageButton::OnMouseDown, Session.get(), &TPlaySession::TipBtnMouseDown);
  connect(TipBtn, &TImageButton::OnMouseUp, Session.get(), &TPlaySession::TipBtnMouseUp);
  connect(OptionBtn, &TImageButton::OnClick, this, &Tmainform::OptionBtnClick);
  connect(InfoBtn, &TImageButton::OnClick, this, &Tmainform::InfoBtnClick);
  connect(RulesBtn, &TImageButton::OnClick, this, &Tmainform::RulesBtnClick);
  connect(ExitBtn, &TImageButton::OnClick, this, &QWidget::close);
  connect(PracticeBtn, &TImageButton::OnClick, Session.get(), &TPlaySession::PracticeBtnClick);
  connect(DealBtn, &TImageButton::OnClick, this, [this] { DealMenu->popup(DealBtn->mapToGlobal(QPoint(DealBtn->width(), 0))); });

  setFocusPolicy(Qt::StrongFocus);
  WireSession();
  FormCreate();
  Timer->start(1000);
}

Tmainform::~Tmainform()
{
  if (!Destroyed)
    Destroy();
}

// The end of the window: on this platform a closed main window is gone for
// good, so what the window does when it is destroyed happens at its close.
// Otherwise an open rules window would keep the program running.
void Tmainform::Destroy()
{
  Destroyed = true;
  FormKeeper1->SavePlacement();
  FormDestroy();
}

void Tmainform::WireSession()
{
  TPlaySession* session = Session.get();
  Reader = std::make_unique<TBoardReader>(box, session->Record(), State, [session](TSlot slot) { return session->CellRect(slot); },
    [session](TSlot slot) { session->PressSlot(slot); });
  TBoardReader* reader = Reader.get();
  connect(box, &TBoardWidget::MouseDown, session, &TPlaySession::BoardMouseDown);
  connect(box, &TBoardWidget::MouseMove, session, &TPlaySession::BoardMouseMove);
  connect(session, &TPlaySession::KeyFrameDrawn, box, &TBoardWidget::SetKeyCursor);
  connect(session, &TPlaySession::SlotChanged, reader, &TBoardReader::SlotChanged);
  // The practice game's words first: the reader reads them out.
  connect(session, &TPlaySession::ScoreChanged, this, &Tmainform::WordScoreStrip);
  connect(session, &TPlaySession::ScoreChanged, reader, &TBoardReader::ScoreChanged);
  connect(session, &TPlaySession::BoardChanged, reader, &TBoardReader::BoardChanged);
  connect(session, &TPlaySession::WrongPickSaid, reader, &TBoardReader::SetWrongPick);
  connect(session, &TPlaySession::KeyFrameMoved, reader, &TBoardReader::CursorMoved);
  connect(session, &TPlaySession::KeyFrameHidden, reader, &TBoardReader::CursorHidden);
  connect(session, &TPlaySession::ScoreLabelMoved, ScoreLabel, [this](int left) { ScoreLabel->move(left, ScoreLabel->y()); });
}

void Tmainform::SetDialogs(const TDialogs& dialogs)
{
  Dialogs = dialogs;
  Errors->GameBox = [this, box = QPointer<TYesNoDlg>(dialogs.YesNoDlg)](const QString& text) {
    if (!box || box->isVisible() || !isVisible())
      return false;
    box->ShowText(mcOwnText, text);
    return true;
  };
  if (Dialogs.OptionDlg) {
    TOptionDlg* options = Dialogs.OptionDlg;
    connect(options, &TOptionDlg::LanguageChosen, this, &Tmainform::SetLanguage);
    connect(options, &TOptionDlg::SoundChosen, this, [this](bool on) { State.SoundOn = on; });
    connect(options, &TOptionDlg::DetectorChosen, this, [this](bool on) { State.DetectorOn = on; });
    connect(options, &TOptionDlg::BackgroundChosen, this, [this](int mode) {
      State.BackMode = mode;
      Session->RepaintBoard();
      ApplyTexts();
    });
    connect(options, &TOptionDlg::PaletteChosen, this, [this](int palette) {
      State.Palette = palette;
      Session->RepaintBoard();
      HelpSystem->Refresh();
    });
  }
  if (Dialogs.InfoDlg)
    connect(Dialogs.InfoDlg, &TInfoDlg::StatsAsked, this, &Tmainform::StatsShow);
  if (Dialogs.TongueDlg)
    connect(Dialogs.TongueDlg, &TTongueDlg::Answered, this, &Tmainform::SetLanguage);
}

TImageButton* Tmainform::MakeButton(const char* name, int left)
{
  return DlgResources.FaceButton(this, name, left, ButtonTop, Bmps.get());
}

void Tmainform::FormCreate()
{
  State.ProgramDir = DataFolder(QCoreApplication::applicationDirPath());
  State.UserMusicDir = UserDataFolder() + QStringLiteral("/music");
  Scrambler->Init(QString(), 0); // the default alphabet and key
  State.FirstShow = true;
  setWindowTitle(QStringLiteral("Trivolo " TRIVOLO_VERSION));
  InstallHelp();
  ini.CheckFile();
  Settings->Read();
  UseLanguage(State.Language());
  Session->Resize(width(), height());
  Session->NewGame();
  ApplyTexts();
}

void Tmainform::InstallHelp()
{
  HelpSystem = THelpSystem::ForProgram(State.ProgramDir);
  HelpSystem->OnError = [this](const QString& text) { Errors->Report(text, false); };
  HelpSystem->Pictures = [this](const QString& topic, QTextDocument& document, qreal density) {
    return Pictures->Expand(topic, document, State.EasyColours(), density);
  };
}

void Tmainform::showEvent(QShowEvent* event)
{
  QWidget::showEvent(event);
  setFocus(); // the keys go to the window, not to a button
  if (!State.FirstShow)
    return;
  FormKeeper1->RestorePlacement();
  TOpeningEffect::Play(QCursor::pos(), frameGeometry());
  // The music is looked for at the first tick, which plays it, once the
  // window and its opening effect are on the screen: loading the soundfont
  // and opening the sound device do not hold them up.
  // Ask once the window is on the screen, not from inside its show event.
  QMetaObject::invokeMethod(this, &Tmainform::FormShow, Qt::QueuedConnection);
}

void Tmainform::FormShow()
{
  if (!State.FirstShow)
    return;
  State.FirstShow = false;
  // Another copy may have chosen a language since the window was made; an
  // answer to the question speaks through SetLanguage.
  Settings->ReadTongue();
  const TLanguage before = LanguageInUse();
  UseLanguage(State.Language());
  if (State.Tongue == -1 && Dialogs.TongueDlg) {
    Dialogs.TongueDlg->Ask(DesktopLanguage(SystemLanguages()));
    PointTheWay();
  } else if (LanguageInUse() != before)
    ApplyTexts();
  Errors->LanguageKnown();
}

void Tmainform::PointTheWay()
{
  // A new player's first look: where the rules are, and the practice game.
  ShapeHint1->Point(RulesBtn,
    tr("New here? The rules show the SETs in pictures, and a practice game (%1) counts no points.").arg(ButtonKeyLabel(bkPractice)),
    FirstPointerMs);
}

void Tmainform::closeEvent(QCloseEvent* event)
{
  if (!CloseQuery()) {
    event->ignore();
    return;
  }
  // The settings, the placement and a game left unfinished are stored in
  // one step.
  ini.BeginUpdate();
  Session->Abandon();
  Leave();
  event->accept();
  Destroy();
  ini.EndUpdate();
}

bool Tmainform::CloseQuery()
{
  return ShowCode(mcReallyQuit) == mrYes;
}

void Tmainform::Leave()
{
  Timer->stop();
  HelpSystem->Quit();
  Settings->Write();
}

void Tmainform::FormDestroy()
{
  if (!HelpSystem)
    return;
  HelpSystem->CloseAll();
  HelpSystem.reset();
}

void Tmainform::resizeEvent(QResizeEvent*)
{
  box->setGeometry(rect());
}

void Tmainform::Resize(int width, int height)
{
  Session->Resize(width, height);
  ExitBtn->move(width - ExitBtnFromRight, ButtonTop);
  RulesBtn->move(width - RulesBtnFromRight, ButtonTop);
  InfoBtn->move(width - InfoBtnFromRight, ButtonTop);
  OptionBtn->move(width - OptionBtnFromRight, ButtonTop);
  PlaceBoardSide();
  Session->RepaintBoard();
}

void Tmainform::PlaceBoardSide()
{
  // The strip left of the cards holds the detector's panel at its top (five
  // panel sizes high); the count of SETs goes under it and the practice and
  // deals' buttons to the foot of the cards, centred in the strip.
  const TBoardLayout& lay = Session->BoardOf().Layout();
  const int strip = lay.GridLeft;
  const int gridBottom = lay.GridTop + 4 * lay.CellSize;
  // The practice button and the deals' button side by side: the strip is
  // at least 100 pixels wide.
  const int pair = PracticeBtn->width() + 6 + DealBtn->width();
  PracticeBtn->move(std::max(0, (strip - pair) / 2), gridBottom - PracticeBtn->height() - lay.CellSize / 6);
  DealBtn->move(PracticeBtn->x() + PracticeBtn->width() + 6, PracticeBtn->y());
  const int top = lay.PanelTop + 5 * lay.PanelSize + 8;
  const int width = std::max(0, strip - 16);
  SetsLabel->setFixedWidth(width);
  SetsLabel->adjustSize();
  SetsLabel->move((strip - width) / 2, top);
}

void Tmainform::WordScoreStrip()
{
  // A practice game's header shows the seconds played, its label says so,
  // and the strip left of the cards how many SETs lie on the table.
  const bool practising = Session->Practising();
  const QString label = practising ? tr("Practice, seconds:") : tr("Score:");
  if (ScoreLabel->text() != label) {
    ScoreLabel->setText(label);
    ScoreLabel->adjustSize();
  }
  QString line;
  if (practising) {
    const int sets = Session->SetsOnTable();
    // Laid out anew only when the count changes, not at every tick.
    const QString count = tr("SETs on the table: %1").arg(sets);
    if (SetsLabel->text() != count) {
      SetsLabel->setText(count);
      PlaceBoardSide();
    }
    line = tr("Practice, time played: %1, SETs on the table: %2").arg(TReviewPanel::Clock(Session->PracticeTime())).arg(sets);
  }
  SetsLabel->setVisible(practising);
  Reader->SetPracticeLine(line);
}

void Tmainform::Timer1Timer()
{
  // The music first: a piece that has ended starts again before the game
  // counts the second.
  StartMusic();
  Music->KeepAlive();
  Session->Timer1Timer();
}

void Tmainform::StartMusic()
{
  if (MusicStarted)
    return;
  MusicStarted = true;
  Music->Start();
  ReleaseFreedMemory();
}

void Tmainform::keyPressEvent(QKeyEvent* event)
{
  // A held key acts once; only the arrows repeat.
  const TButtonKey button = ButtonKey(event->key(), static_cast<int>(event->modifiers()));
  if (button != bkNone) {
    // The hint shows while its key is held, as while its button is.
    if (HeldKeys->Pressed(*event))
      button == bkTip ? TipBtn->Press() : ButtonOf(button)->Click();
    return;
  }
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (const auto slot = CardKeySlot(event->key(), event->nativeScanCode())) {
    if (HeldKeys->Pressed(*event))
      Session->CardKey(*slot);
    return;
  }
  if (event->key() == Qt::Key_T || event->key() == Qt::Key_F4 || event->key() == Qt::Key_F5) {
    if (HeldKeys->Pressed(*event))
      event->key() == Qt::Key_T ? StatsShow() : event->key() == Qt::Key_F4 ? Session->PlayDealAgain() : PlayDealByCode();
    return;
  }
  if (const auto step = FrameStep(event->key()))
    Session->MoveKeyFrame(step->Columns, step->Rows);
  else if (!IsPickKey(event->key()))
    QWidget::keyPressEvent(event);
  else if (HeldKeys->Pressed(*event))
    Session->PickKeyFrame();
}

void Tmainform::keyReleaseEvent(QKeyEvent* event)
{
  const TButtonKey button = ButtonKey(event->key(), static_cast<int>(event->modifiers()));
  if (button == bkTip)
    HeldKeys->Released(*event, [this] { TipBtn->Release(); });
  else if (button != bkNone || CardKeySlot(event->key(), event->nativeScanCode()) || IsPickKey(event->key())
    || event->key() == Qt::Key_T || event->key() == Qt::Key_F4 || event->key() == Qt::Key_F5)
    HeldKeys->Released(*event, nullptr);
  else
    QWidget::keyReleaseEvent(event);
}

TImageButton* Tmainform::ButtonOf(int key) const
{
  TImageButton* const buttons[] = { nullptr, MixBtn, StartBtn, PauseBtn, HighScoreBtn, TipBtn, OptionBtn, InfoBtn, RulesBtn, ExitBtn, PracticeBtn,
    DealBtn };
  return buttons[key];
}

void Tmainform::ApplyTexts()
{
  // Each button's hint, and its key for assistive technology.
  for (int key = bkMix; key <= bkDeals; ++key) {
    ButtonOf(key)->SetHint(ButtonHint(TButtonKey(key)));
    ButtonOf(key)->setAccessibleDescription(ButtonKeyText(TButtonKey(key)));
  }
  ScoreLabel->setText(QString());
  AgainAction->setText(tr("Play this deal again") + QStringLiteral("\tF4"));
  CodeAction->setText(tr("Play a deal by its code…") + QStringLiteral("\tF5"));
  Session->DrawScore();
}

void Tmainform::SetLanguage(TLanguage language)
{
  State.SetLanguage(language);
  // The open dialogs hear of it through their LanguageChange event; the
  // window words itself here, once.
  UseLanguage(language);
  ApplyTexts();
  // The rules on show turn to the new language's.
  if (HelpSystem && HelpSystem->Viewer() && HelpSystem->Viewer()->isVisible())
    HelpSystem->ShowContext(HelpContext(language));
}

void Tmainform::HighScoreBtnClick()
{
  ShowHighscores(0, true);
}

void Tmainform::ShowHighscores(int score, bool viewOnly)
{
  if (!Dialogs.HighscoreDlg)
    return;
  Dialogs.HighscoreDlg->ShowModal(score, viewOnly);
}

void Tmainform::OptionBtnClick()
{
  StartMusic(); // the options tell which piece plays
  if (Dialogs.OptionDlg)
    Dialogs.OptionDlg->ShowModal();
}

void Tmainform::InfoBtnClick()
{
  // During a game the information tells its deal's code.
  if (Dialogs.InfoDlg)
    Dialogs.InfoDlg->ShowModal(Session->Record().GameState == gsOver ? std::nullopt : std::optional<std::uint64_t>(Session->Deal()));
}

void Tmainform::PlayDealByCode()
{
  if (!Dialogs.DealCodeDlg)
    return;
  if (const std::optional<std::uint64_t> deal = Dialogs.DealCodeDlg->Ask())
    Session->PlayDeal(*deal);
}

void Tmainform::StatsShow()
{
  if (Dialogs.StatsDlg)
    Dialogs.StatsDlg->ShowModal();
}

void Tmainform::RulesBtnClick()
{
  if (HelpSystem)
    HelpSystem->ShowContext(HelpContext(State.Language()));
}

int Tmainform::ShowCode(int code)
{
  return Dialogs.YesNoDlg ? Dialogs.YesNoDlg->ShowCode(code) : mrNo;
}

int Tmainform::ShowText(int code, const QString& text)
{
  return Dialogs.YesNoDlg ? Dialogs.YesNoDlg->ShowText(code, text) : mrNo;
}

void Tmainform::EnterHighScore(int score)
{
  ShowHighscores(score, false);
}

void Tmainform::ShowReview(const TGameReview& game)
{
  if (Dialogs.ReviewDlg)
    Dialogs.ReviewDlg->ShowModal(game);
}
