#include "tests/shell/ShellFixture.h"

#include "toolkit/ShapeHint.h"
#include "toolkit/TurnedLabel.h"

#include <QAccessible>
#include <QLabel>
#include <QPainter>

namespace {

TEST_F(TShellTest, MessageDialogSpeaksTheCatalogueAndAnswersKeys)
{
  Write("tongue", "1");
  Start();
  TYesNoDlg& dialog = Forms->YesNoDlg;
  struct TCase {
    int Tongue;
    int Code;
    Qt::Key Key;
    QString Text;
    bool NoButton;
    int Result;
  };
  const TCase cases[] = {
    { 1, 3, Qt::Key_Y, "Willst Du wirklich schon aufhören?", true, mrYes },
    { 1, 3, Qt::Key_Return, "Willst Du wirklich schon aufhören?", true, mrYes },
    { 1, 3, Qt::Key_N, "Willst Du wirklich schon aufhören?", true, mrNo },
    { 0, 1, Qt::Key_J, "Hurrah, you did it!", false, mrYes },
    { 0, 1, Qt::Key_Escape, "Hurrah, you did it!", false, mrNo },
    { -1, 12, Qt::Key_Enter, "Game paused.\nContinue?", false, mrYes },
    { 1, 14, Qt::Key_N, "Hurra, geschafft!\nMit der nächste Stufe weitermachen?", true, mrNo },
  };
  for (const TCase& c : cases) {
    Speak(c.Tongue == 1 ? lgGerman : lgEnglish);
    QString text;
    bool noButton = false;
    TModalAnswerer answerer([&](QWidget*) {
      text = dialog.txt->text();
      noButton = dialog.NoBtn->isVisible();
      QTest::keyClick(&dialog, Qt::Key_X); // ignored
      Press(&dialog, c.Key);
    });
    EXPECT_EQ(dialog.ShowCode(c.Code), c.Result) << c.Code;
    EXPECT_EQ(text, c.Text) << c.Code;
    EXPECT_EQ(noButton, c.NoButton) << c.Code;
  }

  // Caller texts choose their own button mode; unknown codes keep the last.
  const auto show = [&dialog](const std::function<int()>& call, bool& noButton, QString& text) {
    TModalAnswerer answerer([&](QWidget*) {
      text = dialog.txt->text();
      noButton = dialog.NoBtn->isVisible();
      Press(&dialog, Qt::Key_Y);
    });
    call();
  };
  bool noButton = false;
  QString text;
  show([&] { return dialog.ShowCode(3); }, noButton, text);
  EXPECT_TRUE(noButton);
  show([&] { return dialog.ShowText(10, "Kein weiteres SET möglich.\rDu bist am Ende."); }, noButton, text);
  EXPECT_FALSE(noButton);
  EXPECT_EQ(text, "Kein weiteres SET möglich.\nDu bist am Ende.");
  show([&] { return dialog.ShowText(11, "<b>plain</b>"); }, noButton, text);
  EXPECT_TRUE(noButton);
  EXPECT_EQ(dialog.txt->textFormat(), Qt::PlainText);
  show([&] { return dialog.ShowCode(99); }, noButton, text);
  EXPECT_TRUE(noButton);
  EXPECT_EQ(text, "<b>plain</b>");
}

TEST_F(TShellTest, OptionsCycleAndTheirLabelsSpeakBothLanguages)
{
  Write("tongue", "0");
  Start();
  TOptionDlg& options = Forms->OptionDlg;
  TShellState& state = State();
  Speak(lgRussian);
  std::vector<std::pair<int, QString>> seen;
  TModalAnswerer answerer([&](QWidget*) {
    Click(options.TongueBtn);
    seen.emplace_back(state.Tongue, Button(bkStart)->toolTip());
    EXPECT_EQ(options.TongueLabel->text(), "Ich spreche deutsch.");
    EXPECT_EQ(options.BackLabel->text(), "Hintergrund: grau");
    for (const char* label : { "Hintergrund: braun", "Hintergrund: grün", "Hintergrund: blau", "Hintergrund: rot", "Hintergrund: grau" }) {
      Click(options.BackBtn);
      EXPECT_EQ(options.BackLabel->text(), label);
    }
    EXPECT_EQ(state.BackMode, 0);
    Click(options.SoundBtn);
    EXPECT_EQ(options.SoundLabel->text(), "Geräusche sind aus.");
    Click(options.HintBtn);
    EXPECT_EQ(options.HintLabel->text(), "SET-Detektor ist ausgeschaltet.");
    EXPECT_FALSE(state.DetectorOn);
    EXPECT_FALSE(options.MusicBtn->isEnabled());
    EXPECT_EQ(options.MusicLabel->text(), "Keine Musikdateien vorhanden.");
    Click(options.TongueBtn);
    seen.emplace_back(state.Tongue, Button(bkStart)->toolTip());
    EXPECT_EQ(options.SoundLabel->text(), "Sound is off.");
    EXPECT_EQ(options.HintLabel->text(), "SETs won't be detected.");
    EXPECT_EQ(options.OptLabel->text(), "Options:");
    EXPECT_EQ(options.ProgLabel->Text(), "Trivolo");
    EXPECT_EQ(options.VersionLabel->Text(), "Version  V2.1");
    Click(options.OKBtn);
  });
  Click(Button(bkOptions));
  EXPECT_EQ(answerer.Seen, 1);
  ASSERT_EQ(seen.size(), 2U);
  EXPECT_EQ(seen[0], std::make_pair(1, QString("Ich fang neu an.")));
  EXPECT_EQ(seen[1], std::make_pair(0, QString("I start again.")));

  // A stored background outside the five counts as grey: the next is brown.
  state.BackMode = 17;
  TModalAnswerer back([&](QWidget*) {
    EXPECT_EQ(options.BackLabel->text(), "Background: grey");
    Click(options.BackBtn);
    Click(options.OKBtn);
  });
  Click(Button(bkOptions));
  EXPECT_EQ(state.BackMode, 1);
}

TEST_F(TShellTest, DialogsSitOverTheMainWindowAndTheLanguageQuestionOnTheScreen)
{
  Write("tongue", "0");
  Start();
  Main().setGeometry(100, 80, 720, 500);
  ASSERT_EQ(Main().frameGeometry(), QRect(98, 78, 724, 504)); // the test platform's 2-pixel frame
  // Centred horizontally over the window, vertically over its client area.
  const struct {
    QDialog* Dialog;
    std::function<void()> Show;
    QPoint At;
  } placed[] = {
    { &Forms->YesNoDlg, [&] { Forms->YesNoDlg.ShowCode(1); }, { 300, 253 } },
    { &Forms->InfoDlg, [&] { Click(Button(bkInfo)); }, { 211, 124 } },
    { &Forms->OptionDlg, [&] { Click(Button(bkOptions)); }, { 211, 96 } }, // a row taller for the colours
  };
  for (const auto& [dialog, show, at] : placed) {
    QPoint shownAt;
    TModalAnswerer answerer([&](QWidget* modal) {
      shownAt = modal->pos();
      modal->close();
    });
    show();
    EXPECT_EQ(shownAt, at) << dialog->objectName().toStdString();
  }
  QPoint centre;
  TModalAnswerer answerer([&](QWidget* modal) {
    centre = modal->geometry().center();
    modal->close();
  });
  Forms->TongueDlg.exec();
  EXPECT_LE((centre - QGuiApplication::primaryScreen()->geometry().center()).manhattanLength(), 1);
}

// Ink pixels of a label: its text colour, white, on a transparent ground.
int Ink(QLabel* label)
{
  const QImage image = label->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  int ink = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      ink += qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) > 128;
  return ink;
}

TEST_F(TShellTest, LowLabelsShowTheirDescendersWhole)
{
  Write("tongue", "0");
  Start();
  const QString text = QStringLiteral("Hintergrund: grau, Musik: b_riverside.mid, gjpqy");
  int labels = 0;
  for (QDialog* dialog : { static_cast<QDialog*>(&Forms->OptionDlg), static_cast<QDialog*>(&Forms->TongueDlg) })
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
      if (label->height() != 18)
        continue;
      ++labels;
      label->setText(text);
      // The same label with room to spare shows all of the text.
      QLabel tall;
      tall.setFont(label->font());
      tall.setStyleSheet(label->styleSheet());
      tall.setAlignment(label->alignment());
      tall.setText(text);
      tall.resize(label->width(), 60);
      EXPECT_GT(Ink(label), 0);
      EXPECT_EQ(Ink(label), Ink(&tall)) << dialog->objectName().toStdString() << " label at " << label->y();
    }
  EXPECT_EQ(labels, 9);
}

TEST_F(TShellTest, TheColoursEasyToTellApartAreAnOptionKeptInTheSettings)
{
  struct TCase {
    const char* Stored; // nullptr: no value
    bool Easy;
  };
  const TCase cases[] = { { nullptr, false }, { "0", false }, { "1", true }, { "7", false }, { "x", false } };
  for (const TCase& c : cases) {
    QFile::remove(Settings.FileName());
    Write("tongue", "1");
    if (c.Stored)
      Write("palette", c.Stored);
    Start();
    const std::string name = c.Stored ? c.Stored : "none";
    EXPECT_EQ(State().EasyColours(), c.Easy) << name;
    Forms->OptionDlg.RefreshOptionTexts();
    EXPECT_EQ(Forms->OptionDlg.PaletteLabel->text(), c.Easy ? QStringLiteral("Farben: gut unterscheidbar") : QStringLiteral("Farben: Standard")) << name;
    Forms.reset();
  }

  // Switched in the options: the board shows it at once, the cards are
  // named by it, and the close stores it.
  QFile::remove(Settings.FileName());
  Write("tongue", "0");
  Start();
  TGameRecord& record = Session().GameOf().Record();
  record.Table[0][0] = 1 + 1 + 9; // one green (or black) solid square
  Session().RepaintBoard();
  const TCellRect cell = CellRect(Session().BoardOf().Layout(), TSlot {});
  const auto centre = [&] { return Box()->Surface().pixel(cell.CentreX(), cell.CentreY()) & 0xFFFFFFU; };
  EXPECT_EQ(centre(), qRgb(0, 160, 0) & 0xFFFFFFU);
  QString label, hint;
  TModalAnswerer answerer([&](QWidget*) {
    Click(Forms->OptionDlg.PaletteBtn);
    label = Forms->OptionDlg.PaletteLabel->text();
    hint = Forms->OptionDlg.PaletteBtn->toolTip();
    Click(Forms->OptionDlg.OKBtn);
  });
  Click(Button(bkOptions));
  EXPECT_EQ(label, QStringLiteral("Colours: easy to tell apart"));
  EXPECT_EQ(hint, QStringLiteral("Change the symbols' colours"));
  EXPECT_EQ(centre(), 0U) << "black at once";
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(Box());
  EXPECT_EQ(board->child(0)->text(QAccessible::Name), QStringLiteral("one black solid square"));
  {
    TModalAnswerer closer([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    Main().close();
  }
  EXPECT_EQ(Stored("palette"), "1");
}

TEST_F(TShellTest, OptionsIgnoreEscapeAndStepThroughTheTenLanguages)
{
  Write("tongue", "1");
  Start();
  TOptionDlg& options = Forms->OptionDlg;
  TShellState& state = State();
  // German, English, then the eight, and back to German; the tongue stays
  // 1 for German and 0 for all others.
  const char* const steps[][3] = { { "0", "", "I speak English." }, { "0", "fr", "Je parle français." }, { "0", "es", "Hablo español." },
    { "0", "it", "Parlo italiano." }, { "0", "nl", "Ik spreek Nederlands." }, { "0", "pl", "Mówię po polsku." },
    { "0", "pt_BR", "Eu falo português." }, { "0", "sv", "Jag talar svenska." }, { "0", "ru", "Я говорю по-русски." },
    { "1", "", "Ich spreche deutsch." } };
  bool stillOpen = false;
  QStringList seen;
  TModalAnswerer answerer([&](QWidget* dialog) {
    Press(dialog, Qt::Key_Escape);
    stillOpen = dialog->isVisible();
    for (std::size_t i = 0; i < std::size(steps); ++i) {
      Click(options.TongueBtn);
      seen << QStringLiteral("%1 %2 %3").arg(state.Tongue).arg(state.OtherLanguage, options.TongueLabel->text());
      EXPECT_EQ(Button(bkStart)->toolTip().isEmpty(), false);
    }
    Click(options.OKBtn);
  });
  Click(Button(bkOptions));
  EXPECT_TRUE(stillOpen);
  QStringList expected;
  for (const auto& step : steps)
    expected << QStringLiteral("%1 %2 %3").arg(QString::fromUtf8(step[0]), QString::fromUtf8(step[1]), QString::fromUtf8(step[2]));
  EXPECT_EQ(seen, expected);

  // Odd stored tongues speak English, from which the next is French.
  for (const int tongue : { -2, -5, 2147483647 }) {
    state.Tongue = tongue;
    state.OtherLanguage.clear();
    TModalAnswerer odd([&](QWidget*) {
      Click(options.TongueBtn);
      Click(options.OKBtn);
    });
    Click(Button(bkOptions));
    EXPECT_EQ(state.Language(), lgFrench) << tongue;
  }
}

TEST_F(TShellTest, EveryBalloonHoldsItsTextWholeAtEveryDensity)
{
  Write("tongue", "0");
  Start();
  // Every hint of the program, in both languages, and a long one that wraps.
  QStringList hints { QStringLiteral("Eine sehr lange Erklärung, die über mehrere Zeilen geht: jagt, gÿpsy, Qualität, Spaß.") };
  for (int language = 0; language < LanguageCount; ++language) {
    Speak(TLanguage(language));
    Forms->OptionDlg.RefreshOptionTexts();
    for (QWidget* window : std::initializer_list<QWidget*> { &Main(), &Forms->OptionDlg, &Forms->YesNoDlg, &Forms->InfoDlg, &Forms->HighscoreDlg })
      for (const QWidget* control : window->findChildren<QWidget*>())
        if (!control->toolTip().isEmpty() && !hints.contains(control->toolTip()))
          hints << control->toolTip();
  }
  ASSERT_GE(hints.size(), 20);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  const QColor fill(255, 255, 225);
  const QRect desktop(0, 0, 1280, 1024);
  for (const qreal ratio : { 1.0, 1.5, 2.0 })
    for (const QString& hint : hints)
      for (const QPoint pointer : { QPoint(600, 500), QPoint(1270, 10) }) { // above right, below left
        const TBalloon balloon = PlaceBalloon(HintTextRoom(hint, font, desktop.width() / 4), pointer, desktop);
        const QImage outline = BalloonPicture(balloon, fill, ratio);
        QImage text(outline.size(), QImage::Format_ARGB32_Premultiplied);
        text.setDevicePixelRatio(ratio);
        text.fill(Qt::transparent);
        {
          QPainter painter(&text);
          painter.setPen(Qt::black);
          DrawBalloonText(painter, balloon, font, hint);
        }
        // Each inked pixel lies on the fill, a pixel clear of the outline.
        int ink = 0, outside = 0;
        for (int y = 0; y < text.height(); ++y)
          for (int x = 0; x < text.width(); ++x) {
            if (qAlpha(text.pixel(x, y)) < 96)
              continue;
            ++ink;
            for (int dy = -1; dy <= 1; ++dy)
              for (int dx = -1; dx <= 1; ++dx) {
                const QPoint at(x + dx, y + dy);
                outside += !outline.rect().contains(at) || outline.pixelColor(at) != fill;
              }
          }
        EXPECT_GT(ink, 0);
        EXPECT_EQ(outside, 0) << hint.toStdString() << " at density " << ratio << ", pointer " << pointer.x();
      }
}

TEST(Balloon, ShowsNothingAroundItsShape)
{
  TBalloonWindow balloon;
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  balloon.Show(QStringLiteral("Ein SET zeigen"), font, PlaceBalloon(QSize(90, 16), QPoint(300, 300), QRect(0, 0, 1280, 1024)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&balloon));
  // Above right: the window's top right corner lies outside the body.
  const QPoint corner(balloon.width() - 1, 0);
  const QImage shown = balloon.grab().toImage();
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
    EXPECT_EQ(qAlpha(shown.pixel(corner * shown.devicePixelRatio())), 0) << "a compositor shows the window whole";
  else
    EXPECT_FALSE(balloon.mask().contains(corner));
  EXPECT_TRUE(balloon.mask().contains(QPoint(balloon.width() / 2, 8)));
}

} // namespace
