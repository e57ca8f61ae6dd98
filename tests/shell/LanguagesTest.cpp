#include "game/GameHost.h"
#include "scores/GameReview.h"
#include "scores/highscor.h"
#include "shell/Language.h"
#include "shell/MainTexts.h"
#include "shell/ReviewDlg.h"
#include "game/DealCode.h"
#include "tests/shell/ShellFixture.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QRawFont>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <functional>

namespace {

TEST(Languages, TheDesktopsLanguageIsOfferedWhenItIsOneOfTheEight)
{
  struct TCase {
    QStringList Desktop;
    std::optional<TLanguage> Offered;
  };
  const TCase cases[] = {
    { { "fr-FR", "en-US" }, lgFrench },
    { { "pt-BR" }, lgPortuguese },
    { { "pt-PT", "pt" }, lgPortuguese },
    { { "ru_RU.UTF-8" }, lgRussian },
    { { "sv" }, lgSwedish },
    { { "eo", "nl-BE" }, lgDutch }, // a language not spoken is passed over
    { { "de-DE", "fr-FR" }, std::nullopt },
    { { "en-GB" }, std::nullopt },
    { { "ja-JP" }, std::nullopt },
    { { "C" }, std::nullopt },
    { {}, std::nullopt },
  };
  for (const TCase& c : cases)
    EXPECT_EQ(DesktopLanguage(c.Desktop), c.Offered) << c.Desktop.join(',').toStdString();
}

// The part of a label that its panels leave to be seen.
QSize VisibleRoom(const QLabel* label)
{
  QRect room = label->contentsRect();
  for (const QWidget* panel = label->parentWidget(); panel; panel = panel->isWindow() ? nullptr : panel->parentWidget())
    room &= QRect(label->mapFrom(panel, QPoint(0, 0)), panel->size());
  return room.size();
}

// What a label can show: its text on one line, or wrapped where it wraps,
// measured with the font's metrics at a device density against the room
// that is seen of it.
bool Fits(const QLabel* label, qreal ratio)
{
  QFont font = label->font();
  font.setPixelSize(qRound(QFontInfo(label->font()).pixelSize() * ratio));
  const QFontMetricsF metrics(font);
  const QRectF room(QPointF(0, 0), QSizeF(VisibleRoom(label)) * ratio);
  const QRectF needed = label->wordWrap() ? metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text())
                                          : QRectF(0, 0, metrics.horizontalAdvance(label->text()), metrics.height());
  return needed.width() <= room.width() && needed.height() <= room.height() + 0.5;
}

class TLanguagesTest : public TShellTest {
protected:
  // Every text label of a window as it stands now, in the language in use.
  void Measure(QWidget* window, const QString& where)
  {
    for (const QLabel* label : window->findChildren<QLabel*>()) {
      // The score's label is as wide as its text, wherever it is moved.
      if (!label->isVisible() || label->text().isEmpty() || label == Score())
        continue;
      for (const qreal ratio : { 1.0, 1.5, 2.0 })
        if (!Fits(label, ratio)) {
          Misfits << QStringLiteral("%1 %2 at %3: \"%4\" in %5 x %6")
                       .arg(LanguageCode(LanguageInUse()), where)
                       .arg(ratio)
                       .arg(label->text())
                       .arg(VisibleRoom(label).width())
                       .arg(VisibleRoom(label).height());
          break;
        }
      ++Measured;
    }
  }

  QStringList Misfits;
  int Measured = 0;
};

TEST_F(TLanguagesTest, EveryTextFitsItsRoomInEveryLanguageAtEveryDensity)
{
  Write("tongue", "0");
  // Figures as wide as a long-time player's.
  const std::pair<const char*, const char*> figures[] = { { "played", "12345" }, { "abandoned", "12345" }, { "sets", "123456" },
    { "seconds", "3599999" }, { "bestscore", "12345" }, { "fastest", "3599" }, { "bestpace", "999" }, { "hints", "12345" },
    { "mixes", "12345" } };
  for (const auto& [key, value] : figures)
    Settings.WriteString("stats", key, value);
  TGameReview review;
  review.Sets = { { 200, { 1, 2, 3 }, true }, { 700, { 1, 41, 81 }, true } };
  review.Seconds = 3599;
  review.Score = -12345;
  review.Hints = 123;
  review.Mixes = 123;
  review.CardsLeft = 75;
  review.Ending = geNoMoreSet;
  Settings.WriteString("stats", "last", QString::fromStdString(review.Encode()));
  // A code of the widest letters (D, then W), of a deal played again.
  std::uint64_t wide = 13;
  for (int i = 0; i < 12; ++i)
    wide = wide << 5U | 28U;
  Settings.WriteString("stats", "lastdeal", QString::fromStdString(DealCodeText(wide)) + " again");
  review.Deal = wide;
  review.Replayed = true;
  Start();
  // The main window's own texts on its narrowest size, in a practice game.
  Main().resize(640, 450);
  {
    TModalAnswerer yes([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    Session().PracticeBtnClick();
  }
  QTest::qWait(20);
  for (int language = 0; language < LanguageCount; ++language) {
    Speak(TLanguage(language));
    Measure(&Main(), "main window");
    TOptionDlg& options = Forms->OptionDlg;
    State().MusicAvailable = true;
    TModalAnswerer optionsAnswer([&](QWidget* dialog) {
      // Every state of every option: five backgrounds, both of the others.
      for (QWidget* button : { options.SoundBtn, options.HintBtn, options.PaletteBtn, options.BackBtn, options.BackBtn, options.BackBtn,
             options.BackBtn, options.MusicBtn, options.BackBtn, options.SoundBtn, options.HintBtn, options.PaletteBtn }) {
        Measure(dialog, "options");
        Click(button);
      }
      Click(options.OKBtn);
    });
    Forms->OptionDlg.ShowModal();
    State().MusicAvailable = false;
    TModalAnswerer noMusic([&](QWidget* dialog) {
      Measure(dialog, "options");
      Click(options.OKBtn);
    });
    Forms->OptionDlg.ShowModal();

    // One answerer for each show: the same dialog shown twice in a row.
    const auto measured = [&](const std::function<void()>& show) {
      TModalAnswerer answerer([&](QWidget* dialog) {
        Measure(dialog, dialog->objectName());
        dialog->close();
      });
      show();
    };
    for (const int code : { 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13, 14 })
      measured([&] { Forms->YesNoDlg.ShowCode(code); });
    measured([&] { Forms->YesNoDlg.ShowText(mcOwnText, GameMessageText(gmNoMoreSet)); });
    measured([&] { Forms->YesNoDlg.ShowText(mcOwnQuestion, GameMessageText(gmNoSetOnTable)); });
    measured([&] { Forms->InfoDlg.ShowModal(); });
    measured([&] { Forms->InfoDlg.ShowModal(review.Deal); });
    measured([&] { Forms->HighscoreDlg.ShowModal(4000, false); });
    measured([&] { Forms->HighscoreDlg.ShowModal(0, true); });
    measured([&] { Forms->StatsDlg.ShowModal(); });
    measured([&] { Forms->ReviewDlg.ShowModal(review); });
    measured([&] { Forms->TongueDlg.Ask(TLanguage(language)); });
    TModalAnswerer codes([&](QWidget* dialog) {
      Forms->DealCodeDlg.CodeEdit->setText(QStringLiteral("no code"));
      Click(Forms->DealCodeDlg.OkBtn);
      Measure(dialog, dialog->objectName());
      dialog->close();
    });
    Forms->DealCodeDlg.Ask();
  }
  EXPECT_GT(Measured, 500);
  EXPECT_EQ(Misfits.join(QLatin1Char('\n')).toStdString(), "") << Measured << " texts measured";
}

// The translations as the translation files hold them, every language.
QStringList TranslatedTexts()
{
  QStringList texts;
  for (int language = 0; language < LanguageCount; ++language) {
    QFile file(QStringLiteral(TRIVOLO_TRANSLATIONS_DIR "/trivolo_%1.ts").arg(LanguageCode(TLanguage(language))));
    if (!file.open(QIODevice::ReadOnly))
      continue; // English has none
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
      if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("translation"))
        texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    EXPECT_FALSE(xml.hasError()) << file.fileName().toStdString();
    texts << SpokenLine(TLanguage(language));
  }
  return texts;
}

TEST(Languages, EveryCharacterOfEveryLanguageIsInTheFonts)
{
  QStringList texts = TranslatedTexts();
  ASSERT_GT(texts.size(), 1500);
  QFile rules(QStringLiteral(TRIVOLO_HELP_FILE));
  ASSERT_TRUE(rules.open(QIODevice::ReadOnly));
  texts << QString::fromUtf8(rules.readAll()).remove(QRegularExpression(QStringLiteral("<[^>]*>")));
  // The dialogs' face (Arial, which the package's Liberation Sans stands
  // in for) and the sans face the rules viewer and the toolkit's dialogs
  // fall back to.
  for (const char* family : { "Arial", "DejaVu Sans" }) {
    const QRawFont font = QRawFont::fromFont(QFont(QString::fromLatin1(family)));
    ASSERT_TRUE(font.isValid()) << family;
    QString missing;
    for (const QString& text : texts)
      for (const QChar c : text)
        if (c.isPrint() && !c.isSpace() && !font.supportsCharacter(c) && !missing.contains(c))
          missing += c;
    EXPECT_EQ(missing, QString()) << family << " (" << font.familyName().toStdString() << ")";
  }
}

// The toolkit's own texts (a text box's menu in the name entry) follow the
// game's language, from the toolkit's translations.
TEST(Languages, TheToolkitsOwnTextsFollowTheLanguage)
{
  for (int language = 0; language < LanguageCount; ++language) {
    const TSpokenLanguage spoken{ TLanguage(language) };
    const QString undo = QCoreApplication::translate("QLineEdit", "&Undo");
    EXPECT_EQ(undo == QLatin1String("&Undo"), language == lgEnglish) << LanguageCode(TLanguage(language)).toStdString();
  }
}

TEST_F(TShellTest, TheFurtherLanguageIsStoredUnderItsOwnKeyBesideTheTongue)
{
  const auto close = [this] {
    {
      TModalAnswerer closer([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
      EXPECT_TRUE(Main().close());
    }
    Forms.reset();
  };
  struct TCase {
    const char* Tongue;
    const char* Stored; // nullptr: no value
    TLanguage Read;
  };
  const TCase cases[] = {
    { "0", nullptr, lgEnglish },
    { "1", nullptr, lgGerman },
    { "0", "fr", lgFrench },
    { "0", "pt_BR", lgPortuguese },
    { "1", "ru", lgGerman }, // a tongue of 1 is German, whatever else is stored
    { "0", "de", lgEnglish }, // German and English are the tongue's
    { "0", "FR", lgEnglish },
    { "0", "zz", lgEnglish },
    { "0", "fr;rm -rf", lgEnglish },
    { "0", "", lgEnglish },
  };
  for (const TCase& c : cases) {
    QFile::remove(Settings.FileName());
    Write("tongue", c.Tongue);
    if (c.Stored)
      Write("language", c.Stored);
    Start();
    EXPECT_EQ(State().Language(), c.Read) << c.Tongue << " " << (c.Stored ? c.Stored : "none");
    EXPECT_EQ(LanguageInUse(), c.Read);
    close(); // unchanged: what was stored stays as it was
    EXPECT_EQ(Stored("language"), c.Stored ? c.Stored : "-");
  }

  // Chosen and closed: the tongue keeps its meaning, the key comes and goes.
  const std::tuple<TLanguage, const char*, const char*> chosen[] = { { lgSwedish, "0", "sv" }, { lgRussian, "0", "ru" },
    { lgGerman, "1", "-" }, { lgFrench, "0", "fr" }, { lgEnglish, "0", "-" } };
  for (const auto& [language, tongue, stored] : chosen) {
    Start();
    Speak(language);
    close();
    EXPECT_EQ(Stored("tongue"), tongue) << LanguageCode(language).toStdString();
    EXPECT_EQ(Stored("language"), stored) << LanguageCode(language).toStdString();
  }
}

// A dialog open while the language changes words itself anew.
TEST_F(TShellTest, AnOpenDialogIsWordedAnewWhenTheLanguageChanges)
{
  Write("tongue", "0");
  Start();
  TGameReview review;
  review.Sets = { { 20, { 1, 2, 3 }, true } };
  struct TCase {
    std::function<void()> Show;
    std::function<QString()> Text;
    const char* English;
    const char* German;
  };
  const TCase cases[] = {
    { [&] { Forms->YesNoDlg.ShowCode(mcReallyQuit); }, [&] { return Forms->YesNoDlg.txt->text(); }, "Do you really want to go?",
      "Willst Du wirklich schon aufhören?" },
    { [&] { Forms->InfoDlg.ShowModal(); }, [&] { return Forms->InfoDlg.StatsBtn->toolTip(); }, "Statistics (T)", "Statistik (T)" },
    { [&] { Forms->HighscoreDlg.ShowModal(0, true); }, [&] { return Forms->HighscoreDlg.title->text(); }, "Trivolo - Highscore",
      "Trivolo - Bestenliste" },
    { [&] { Forms->StatsDlg.ShowModal(); }, [&] { return Forms->StatsDlg.findChild<QLabel*>("title")->text(); }, "Statistics",
      "Statistik" },
    { [&] { Forms->ReviewDlg.ShowModal(review); }, [&] { return Forms->ReviewDlg.Title->text(); }, "Your game", "Dein Spiel" },
    { [&] { Forms->OptionDlg.ShowModal(); }, [&] { return Forms->OptionDlg.OptLabel->text(); }, "Options:", "Einstellungen:" },
  };
  for (const TCase& c : cases) {
    QString before;
    QString after;
    TModalAnswerer answerer([&](QWidget* dialog) {
      before = c.Text();
      UseLanguage(lgGerman); // the windows hear of it through the event loop
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
      after = c.Text();
      UseLanguage(lgEnglish);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
      dialog->close();
    });
    c.Show();
    EXPECT_EQ(before, QString::fromUtf8(c.English));
    EXPECT_EQ(after, QString::fromUtf8(c.German));
  }
}

} // namespace
