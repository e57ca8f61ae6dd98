#include "sound/LazyAudio.h"
#include "sound/Music.h"
#include "sound/MusicSettings.h"
#include "sound/SdlAudio.h"
#include "tests/sound/FakeAudio.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

class TMusicTest : public ::testing::Test {
protected:
  QTemporaryDir Dir;
  TMusicSettings State;
  TFakeAudio Audio;
  TMusicBox Music { Audio, State };
  QStringList Errors;

  void SetUp() override
  {
    State.ProgramDir = Dir.path() + QLatin1Char('/');
    Music.OnError = [this](const QString& text) { Errors << text; };
  }

  void Add(const QString& name)
  {
    QFile file(Dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("MThd");
  }
};

TEST_F(TMusicTest, SwitchingCyclesThroughThePiecesInNameOrder)
{
  for (const char* name : { "c.mid", "a.mid", "b.mid", "notes.txt" })
    Add(name);
  Music.Start();
  EXPECT_TRUE(State.MusicAvailable);
  EXPECT_EQ(Audio.Take(), QStringList({ "open a.mid" }));
  Music.KeepAlive();
  EXPECT_EQ(Audio.Take(), QStringList({ "play" }));
  Music.KeepAlive(); // still playing: nothing
  Audio.Playing = false; // the piece has ended
  Music.KeepAlive();
  EXPECT_EQ(Audio.Take(), QStringList({ "play" }));

  const QStringList expected[] = { { "b.mid" }, { "c.mid" }, { "a.mid" } };
  for (const QStringList& next : expected) {
    Music.Switch();
    EXPECT_FALSE(State.MusicOn);
    EXPECT_EQ(Audio.Take(), QStringList({ "stop", "close" }));
    Music.KeepAlive();
    EXPECT_TRUE(Audio.Take().isEmpty());
    Music.Switch();
    EXPECT_TRUE(State.MusicOn);
    EXPECT_EQ(Audio.Take(), QStringList({ "open " + next[0], "play" }));
    EXPECT_EQ(Music.CurrentName(), next[0]);
  }
  EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(TMusicTest, ThePlayersOwnPiecesJoinInOneNameOrder)
{
  QTemporaryDir own;
  const auto addOwn = [&own](const char* name) {
    QFile file(own.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("MThd");
  };
  struct TCase {
    const char* Situation;
    QString UserMusicDir;
    QStringList Order;
  };
  for (const char* name : { "c.mid", "a.mid" })
    Add(name);
  for (const char* name : { "d.mid", "b.mid", "readme.txt" })
    addOwn(name);
  QFile notAFolder(Dir.filePath("file"));
  ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
  const TCase cases[] = {
    { "both folders", own.path(), { "a.mid", "b.mid", "c.mid", "d.mid", "a.mid" } },
    { "no folder of the player's", QString(), { "a.mid", "c.mid", "a.mid" } },
    { "a missing folder", own.filePath("missing"), { "a.mid", "c.mid", "a.mid" } },
    { "a file in its place", notAFolder.fileName(), { "a.mid", "c.mid", "a.mid" } },
  };
  for (const TCase& c : cases) {
    TMusicSettings state;
    state.ProgramDir = State.ProgramDir;
    state.UserMusicDir = c.UserMusicDir;
    TMusicBox music(Audio, state);
    music.Start();
    QStringList heard { music.CurrentName() };
    for (int i = 1; i < c.Order.size(); ++i) {
      music.Switch(); // off
      music.Switch(); // on: the next piece
      heard << music.CurrentName();
    }
    EXPECT_EQ(heard, c.Order) << c.Situation;
    Audio.Take();
  }
  EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(TMusicTest, StartingWithMusicOffTheFirstSwitchOnPlaysTheSecondPiece)
{
  Add("a.mid");
  Add("b.mid");
  State.MusicOn = false;
  Music.Start();
  EXPECT_TRUE(State.MusicAvailable);
  Music.KeepAlive();
  EXPECT_TRUE(Audio.Take().isEmpty());
  Music.Switch();
  EXPECT_EQ(Audio.Take(), QStringList({ "open b.mid", "play" }));
}

TEST_F(TMusicTest, NoPiecesMeansNoMusicAndNoMessage)
{
  Music.Start();
  EXPECT_FALSE(State.MusicAvailable);
  Music.KeepAlive();
  EXPECT_TRUE(Audio.Take().isEmpty());
  EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(TMusicTest, PiecesThatCannotBeOpenedAreReportedOnceAndSwitchTheMusicOff)
{
  Add("a.mid");
  Add("b.mid");
  ASSERT_TRUE(QDir(Dir.path()).mkdir("c.mid")); // a folder with the name of a piece
  Audio.Broken = { "b.mid" };
  Music.Start();
  Music.Switch(); // off
  Music.Switch(); // on: b.mid fails
  EXPECT_EQ(Errors, QStringList({ "cannot open b.mid" }));
  EXPECT_FALSE(State.MusicOn);
  Music.KeepAlive();
  EXPECT_EQ(Errors.size(), 1);
  Music.Switch(); // on: the folder c.mid fails
  EXPECT_EQ(Errors.size(), 2);
  EXPECT_FALSE(State.MusicOn);
  QFile::remove(Dir.filePath("a.mid")); // vanished since the start
  Music.Switch();
  EXPECT_EQ(Errors.size(), 3);
  EXPECT_FALSE(State.MusicOn);

  // A broken first piece at start: reported, and no music at all.
  TMusicSettings fresh;
  fresh.ProgramDir = State.ProgramDir;
  TMusicBox other(Audio, fresh);
  other.OnError = Music.OnError;
  Add("a.mid");
  Audio.Broken = { "a.mid" };
  other.Start();
  EXPECT_FALSE(fresh.MusicAvailable);
  EXPECT_EQ(Errors.size(), 4);
}

TEST_F(TMusicTest, AThousandPiecesStillCycle)
{
  for (int i = 0; i < 1000; ++i)
    Add(QStringLiteral("%1.mid").arg(i, 4, 10, QLatin1Char('0')));
  Music.Start();
  for (int i = 0; i < 2000; ++i)
    Music.Switch();
  // 2000 switches are 1000 switch-ons: once round, back at the first.
  EXPECT_EQ(Music.CurrentName(), QStringLiteral("0000.mid"));
}

TEST(MidiPlayer, PlayAndStopNeedAnOpenPiece)
{
  TFakeAudio audio;
  TMidiPlayer player(audio);
  try {
    player.Play();
    FAIL() << "no error";
  } catch (const TMediaError& error) {
    EXPECT_STREQ(error.what(), "Kein MCI-Gerät geöffnet");
  }
  EXPECT_THROW(player.Stop(), TMediaError);

  // The backend gives no text: the player's own.
  class TSilentFailure final : public TAudioBackend {
    bool EffectsAvailable() const override { return false; }
    void PlayEffect(int) override { }
    bool OpenMusic(const std::string&, std::string&) override { return false; }
    void PlayMusic() override { }
    void StopMusic() override { }
    void CloseMusic() override { }
    bool MusicPlaying() const override { return false; }
  } silent;
  TMidiPlayer failing(silent);
  try {
    failing.Open("piece.mid");
    FAIL() << "no error";
  } catch (const TMediaError& error) {
    EXPECT_STREQ(error.what(), "Unbekannter Fehler-Code");
  }
}

TEST(SdlAudio, PlaysEffectsAndRealMidiAndRefusesNonsense)
{
  TSdlAudio audio; // SDL_AUDIODRIVER=dummy in the tests
  ASSERT_TRUE(audio.EffectsAvailable());
  EXPECT_EQ(audio.PlayingEffect(), -1);
  for (int item = 0; item < 7; ++item) {
    audio.PlayEffect(item);
    EXPECT_EQ(audio.PlayingEffect(), item); // each cuts the one before short
  }
  for (const int nonsense : { 7, 9, -1 }) {
    audio.PlayEffect(nonsense);
    EXPECT_EQ(audio.PlayingEffect(), 6) << nonsense;
  }

  std::string error;
  QTemporaryDir dir;
  QFile junk(dir.filePath("junk.mid"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write(QByteArray(300, 'x'));
  junk.close();
  QFile truncated(dir.filePath("cut.mid"));
  ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
  QFile real(TRIVOLO_MUSIC_DIR "/b_riverside.mid");
  ASSERT_TRUE(real.open(QIODevice::ReadOnly));
  truncated.write(real.read(40));
  truncated.close();
  for (const QString& path : { dir.filePath("junk.mid"), dir.filePath("cut.mid"), dir.path(), dir.filePath("none.mid") }) {
    error.clear();
    EXPECT_FALSE(audio.OpenMusic(path.toStdString(), error)) << path.toStdString();
    EXPECT_FALSE(error.empty()) << path.toStdString();
    EXPECT_FALSE(audio.MusicPlaying());
  }

  if (TSdlAudio::SoundFont().empty())
    GTEST_SKIP() << "the music half needs a General-MIDI soundfont (timgm6mb-soundfont), and none is installed";
  ASSERT_TRUE(audio.OpenMusic(TRIVOLO_MUSIC_DIR "/a_morning.mid", error)) << error;
  audio.PlayMusic();
  EXPECT_TRUE(audio.MusicPlaying());
  audio.StopMusic();
  EXPECT_FALSE(audio.MusicPlaying());
  audio.CloseMusic();
}

TEST(SdlAudio, OpensTheDeviceOnlyWhenNeededAndClosesItWhenSilent)
{
  TSdlAudio audio(200);
  EXPECT_FALSE(audio.DeviceOpen()); // nothing before the first sound
  audio.PlayEffect(5); // the shortest effect
  ASSERT_TRUE(audio.DeviceOpen());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !audio.DeviceOpen(); }, 2000));
  audio.PlayEffect(5);
  EXPECT_TRUE(audio.DeviceOpen()) << "opens again after a silence";

  if (TSdlAudio::SoundFont().empty())
    return;
  std::string error;
  ASSERT_TRUE(audio.OpenMusic(TRIVOLO_MUSIC_DIR "/a_morning.mid", error)) << error;
  // An open piece keeps the device, even between its repeats.
  QTest::qWait(600);
  EXPECT_TRUE(audio.DeviceOpen());
  audio.CloseMusic();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !audio.DeviceOpen(); }, 2000));
  // Only one synthesiser is ever made: the next piece reuses its soundfont.
  TMidiSynth* synth = audio.Synth();
  ASSERT_TRUE(audio.OpenMusic(TRIVOLO_MUSIC_DIR "/b_riverside.mid", error)) << error;
  EXPECT_EQ(audio.Synth(), synth);
}

TEST(LazyAudio, WithoutItsModuleTheGameGoesOnSilentAndSaysWhy)
{
  // The tests' folder holds no sound module.
  TLazyAudio audio;
  EXPECT_TRUE(audio.EffectsAvailable()) << "nothing is loaded before the first sound";
  audio.PlayEffect(0);
  EXPECT_FALSE(audio.EffectsAvailable());
  std::string error;
  EXPECT_FALSE(audio.OpenMusic(TRIVOLO_MUSIC_DIR "/a_morning.mid", error));
  EXPECT_NE(error.find("libtrivolo_audio.so"), std::string::npos) << error;
  audio.PlayMusic();
  EXPECT_FALSE(audio.MusicPlaying());
}

} // namespace
