// Two copies of the program on one settings file: a close writes only what
// its copy changed, so neither undoes the other's options.
#include "tests/OtherCopy.h"
#include "tests/shell/ShellFixture.h"

#include "shell/Settings.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace {

TEST_F(TShellTest, ACloseWritesOnlyTheOptionsItsCopyChanged)
{
  struct TCase {
    const char* Name;
    bool ThisChanges; // background 1 and sound off; else the other copy sets background 3
    bool OtherClosesFirst;
    const char* Sound;
    const char* Backmode;
  };
  const TCase cases[] = {
    { "this copy changes, the other closes last", true, false, "0", "1" },
    { "this copy changes, the other closes first", true, true, "0", "1" },
    { "the other changes and closes first", false, true, "1", "3" },
    { "the other changes and closes last", false, false, "1", "3" },
  };
  for (const auto& c : cases) {
    QFile::remove(Settings.FileName());
    Write("tongue", "0");
    Write("sound", "1");
    Write("backmode", "0");
    Start();
    TOtherCopy other([] {}, [changes = !c.ThisChanges] {
      TIniCtrl ini(QStringLiteral("Mollberg"), QStringLiteral("Trivolo/V2"));
      TShellState state;
      TSettings settings(ini, state);
      settings.Read();
      if (changes)
        state.BackMode = 3;
      settings.Write();
      return 0;
    });
    // The other copy has read its settings; it closes now or after this one.
    if (c.OtherClosesFirst) {
      EXPECT_EQ(other.Finish(), 0);
    }
    if (c.ThisChanges) {
      State().BackMode = 1;
      State().SoundOn = false;
    }
    {
      TModalAnswerer closer([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
      EXPECT_TRUE(Main().close());
    }
    if (!c.OtherClosesFirst) {
      EXPECT_EQ(other.Finish(), 0);
    }
    EXPECT_EQ(Stored("sound"), c.Sound) << c.Name;
    EXPECT_EQ(Stored("backmode"), c.Backmode) << c.Name;
    // What neither copy changed is written once, where the file lacked it.
    EXPECT_EQ(Stored("music"), "1") << c.Name;
    EXPECT_EQ(Stored("tongue"), "0") << c.Name;
    Forms.reset();
  }
}

TEST_F(TShellTest, TheColourChoiceOfOneCopyAndTheBackgroundOfAnotherBothStay)
{
  // A file edited by hand on another system: a byte-order mark, CR line ends.
  {
    QFile file(Settings.FileName());
    QDir().mkpath(QFileInfo(file).path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF[common]\rtongue=0\rpalette=1\rbackmode=0\r");
  }
  Start();
  EXPECT_TRUE(State().EasyColours()) << "read through the mark and the CR ends";
  TOtherCopy other([] {}, [] {
    TIniCtrl ini(QStringLiteral("Mollberg"), QStringLiteral("Trivolo/V2"));
    TShellState state;
    TSettings settings(ini, state);
    settings.Read();
    state.BackMode = 2;
    settings.Write();
    return 0;
  });
  EXPECT_EQ(other.Finish(), 0);
  State().Palette = 0;
  {
    TModalAnswerer closer([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    EXPECT_TRUE(Main().close());
  }
  EXPECT_EQ(Stored("palette"), "0");
  EXPECT_EQ(Stored("backmode"), "2");
  EXPECT_EQ(Stored("tongue"), "0");
  Forms.reset();
}

// The tongue and the further language are one choice: the copy that closes
// last with a new language leaves its own, whole.
TEST_F(TShellTest, TheLanguageOfTheCopyThatClosesLastStaysWhole)
{
  struct TCase {
    bool OtherClosesFirst; // this copy chooses French, the other English
    const char* Tongue;
    const char* Language;
  };
  const TCase cases[] = { { true, "0", "fr" }, { false, "0", "-" } };
  for (const TCase& c : cases) {
    QFile::remove(Settings.FileName());
    Write("tongue", "1");
    Start();
    // The other copy reads at its start (German), switches to English and
    // writes at its end.
    std::unique_ptr<TIniCtrl> ini;
    TShellState state;
    std::unique_ptr<TSettings> settings;
    TOtherCopy other(
      [&] {
        ini = std::make_unique<TIniCtrl>(QStringLiteral("Mollberg"), QStringLiteral("Trivolo/V2"));
        settings = std::make_unique<TSettings>(*ini, state);
        settings->Read();
      },
      [&] {
        state.SetLanguage(lgEnglish);
        settings->Write();
        return 0;
      });
    if (c.OtherClosesFirst) {
      EXPECT_EQ(other.Finish(), 0);
    }
    Speak(lgFrench);
    {
      TModalAnswerer closer([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
      EXPECT_TRUE(Main().close());
    }
    if (!c.OtherClosesFirst) {
      EXPECT_EQ(other.Finish(), 0);
    }
    EXPECT_EQ(Stored("tongue"), c.Tongue) << c.OtherClosesFirst;
    EXPECT_EQ(Stored("language"), c.Language) << c.OtherClosesFirst;
    Forms.reset();
  }
}

} // namespace
