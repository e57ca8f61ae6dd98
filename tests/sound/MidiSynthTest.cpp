#include "sound/MidiSynth.h"
#include "sound/SdlAudio.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int Rate = 22050;
constexpr int Block = 512;

// One middle C of a quarter note at 120 beats a minute (0.5 s), and the
// track's end right after it.
const std::vector<char> OneNote = [] {
  const unsigned char bytes[] = { 'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0, 13, 0x00,
    0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00 };
  return std::vector<char>(std::begin(bytes), std::end(bytes));
}();

std::vector<char> Piece(const char* name)
{
  QFile file(QStringLiteral(TRIVOLO_MUSIC_DIR "/%1").arg(QLatin1String(name)));
  if (!file.open(QIODevice::ReadOnly))
    return {};
  const QByteArray bytes = file.readAll();
  return std::vector<char>(bytes.begin(), bytes.end());
}

class TMidiSynthTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    if (TSdlAudio::SoundFont().empty())
      GTEST_SKIP() << "no General-MIDI soundfont installed";
    Synth = std::make_unique<TMidiSynth>(TSdlAudio::SoundFont(), Rate);
  }

  // Renders the given time into silence and returns the samples.
  std::vector<std::int16_t> Render(int ms)
  {
    std::vector<std::int16_t> out(static_cast<std::size_t>(Rate) * static_cast<std::size_t>(ms) / 1000 * 2);
    for (std::size_t at = 0; at < out.size(); at += Block * 2)
      Synth->Render(out.data() + at, static_cast<int>(std::min<std::size_t>(Block * 2, out.size() - at) / 2));
    return out;
  }

  static int Peak(const std::vector<std::int16_t>& samples, std::size_t from = 0, std::size_t to = SIZE_MAX)
  {
    int peak = 0;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i)
      peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    return peak;
  }

  std::unique_ptr<TMidiSynth> Synth;
};

TEST_F(TMidiSynthTest, APieceAskedForBeforeTheSoundfontIsLoadedPlaysOnceItIs)
{
  Synth->Open(Piece("a_morning.mid"));
  Synth->Play();
  EXPECT_TRUE(Synth->Playing()); // waiting for the soundfont counts as playing
  Synth->WaitUntilLoaded();
  ASSERT_TRUE(Synth->Usable());
  EXPECT_TRUE(Synth->Playing());
  EXPECT_GT(Peak(Render(2000)), 100); // the soft introduction sounds
}

TEST_F(TMidiSynthTest, APieceEndsWithItsLastNoteSoThatTheRepeatFollowsClosely)
{
  Synth->WaitUntilLoaded();
  Synth->Open(OneNote);
  Synth->Play();
  int frames = 0;
  std::int16_t block[Block * 2] {};
  while (Synth->Playing() && frames < 5 * Rate) {
    Synth->Render(block, Block);
    frames += Block;
  }
  const double seconds = static_cast<double>(frames) / Rate;
  EXPECT_GE(seconds, 0.45);
  EXPECT_LE(seconds, 0.6);
  // Played again, it sounds again.
  Synth->Play();
  EXPECT_TRUE(Synth->Playing());
  EXPECT_GT(Peak(Render(300)), 500);
}

TEST_F(TMidiSynthTest, FadingOutFallsSmoothlyToSilenceAndLetsThePieceGo)
{
  Synth->WaitUntilLoaded();
  Synth->Open(Piece("a_morning.mid"));
  Synth->Play();
  const std::vector<std::int16_t> before = Render(3000);
  Synth->FadeOut();
  EXPECT_FALSE(Synth->Playing());
  const std::vector<std::int16_t> fade = Render(TMidiSynth::FadeMs + 200);
  // No step larger than the music's own: the fade starts where it was.
  const auto largestStep = [](const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    int step = 0;
    for (std::size_t i = from + 2; i < to; ++i)
      step = std::max(step, std::abs(s[i] - s[i - 2]));
    return step;
  };
  EXPECT_LE(largestStep(fade, 0, fade.size()), largestStep(before, 0, before.size()));
  const std::size_t fadeEnd = static_cast<std::size_t>(Rate) * (TMidiSynth::FadeMs + 30) / 1000 * 2;
  EXPECT_GT(Peak(fade, 0, fadeEnd / 4), 0);
  EXPECT_EQ(Peak(fade, fadeEnd), 0);
  EXPECT_EQ(Peak(Render(500)), 0);
}

TEST_F(TMidiSynthTest, MusicIsAddedToTheStreamAndSaturatesInsteadOfWrapping)
{
  Synth->WaitUntilLoaded();
  Synth->SetGain(5.0f);
  Synth->Open(Piece("a_morning.mid"));
  Synth->Play();
  // Full scale plus any music: at most the music's lowest sample below it,
  // never wrapped round to the far negative end.
  std::vector<std::int16_t> loud(static_cast<std::size_t>(Block) * 2 * 40, 32767);
  for (std::size_t at = 0; at < loud.size(); at += Block * 2)
    Synth->Render(loud.data() + at, Block);
  EXPECT_TRUE(std::all_of(loud.begin(), loud.end(), [](std::int16_t v) { return v >= -1; })) << "wrapped round";
  EXPECT_GT(std::count(loud.begin(), loud.end(), 32767), 0);
  EXPECT_LT(std::count(loud.begin(), loud.end(), 32767), static_cast<long>(loud.size()));
}

} // namespace
