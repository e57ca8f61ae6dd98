// Writes three short pieces of original background music as Standard MIDI
// Files (type 1), each a loop of a chord progression with a melody that
// wanders over the chord tones. Deterministic.
//   make_music MUSIC_FOLDER
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int Ticks = 480; // per quarter note

struct TEvent {
  int Tick;
  std::vector<std::uint8_t> Bytes;
};

class TTrack {
public:
  void Program(int channel, int program) { Add(0, { static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(program) }); }
  void Note(int channel, int tick, int length, int pitch, int velocity)
  {
    Add(tick, { static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(pitch), static_cast<std::uint8_t>(velocity) });
    Add(tick + length, { static_cast<std::uint8_t>(0x80 | channel), static_cast<std::uint8_t>(pitch), 0 });
  }
  void Tempo(int bpm)
  {
    const int micro = 60000000 / bpm;
    Add(0, { 0xFF, 0x51, 0x03, static_cast<std::uint8_t>(micro >> 16), static_cast<std::uint8_t>(micro >> 8), static_cast<std::uint8_t>(micro) });
  }

  std::string Chunk() const
  {
    std::vector<TEvent> sorted = Events;
    std::stable_sort(sorted.begin(), sorted.end(), [](const TEvent& a, const TEvent& b) { return a.Tick < b.Tick; });
    std::string body;
    int last = 0;
    for (const TEvent& e : sorted) {
      VarLen(body, e.Tick - last);
      last = e.Tick;
      body.append(e.Bytes.begin(), e.Bytes.end());
    }
    VarLen(body, 0);
    body += "\xFF\x2F";
    body.push_back('\0');
    std::string chunk = "MTrk";
    Put32(chunk, static_cast<std::uint32_t>(body.size()));
    return chunk + body;
  }

  static void Put32(std::string& out, std::uint32_t v)
  {
    for (int i = 3; i >= 0; --i)
      out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  }

private:
  void Add(int tick, std::vector<std::uint8_t> bytes) { Events.push_back({ tick, std::move(bytes) }); }
  static void VarLen(std::string& out, int value)
  {
    std::uint32_t buffer = static_cast<std::uint32_t>(value) & 0x7F;
    while ((value >>= 7) > 0)
      buffer = (buffer << 8) | 0x80 | (static_cast<std::uint32_t>(value) & 0x7F);
    for (;;) {
      out.push_back(static_cast<char>(buffer & 0xFF));
      if (!(buffer & 0x80))
        break;
      buffer >>= 8;
    }
  }

  std::vector<TEvent> Events;
};

// A small deterministic generator for the melodies' choices.
class TDice {
public:
  explicit TDice(std::uint32_t seed)
    : State(seed)
  {
  }
  int Roll(int n)
  {
    State = State * 1664525U + 1013904223U;
    return static_cast<int>((State >> 16) % static_cast<std::uint32_t>(n));
  }

private:
  std::uint32_t State;
};

struct TPiece {
  const char* File;
  int Bpm;
  int BeatsPerBar;
  std::vector<std::vector<int>> Chords; // one chord per bar, MIDI pitches
  int MelodyProgram;
  int ChordProgram;
  int BassProgram;
  int Repeats;
  std::uint32_t Seed;
  bool Drums;
};

std::string Compose(const TPiece& piece)
{
  TTrack tempo;
  tempo.Tempo(piece.Bpm);
  TTrack melody, chords, bass, drums;
  melody.Program(0, piece.MelodyProgram);
  chords.Program(1, piece.ChordProgram);
  bass.Program(2, piece.BassProgram);
  TDice dice(piece.Seed);

  const int bar = piece.BeatsPerBar * Ticks;
  int tick = 0;
  int previous = piece.Chords[0][2] + 12;
  for (int round = 0; round < piece.Repeats; ++round)
    for (const std::vector<int>& chord : piece.Chords) {
      // Chord: held softly on the first beat, bass on the beats.
      for (const int pitch : chord)
        chords.Note(1, tick, bar - 30, pitch, 52);
      for (int beat = 0; beat < piece.BeatsPerBar; ++beat)
        bass.Note(2, tick + beat * Ticks, Ticks - 40, chord[0] - 12 + (beat % 2 ? 7 : 0), beat == 0 ? 80 : 64);
      if (piece.Drums)
        for (int eighth = 0; eighth < 2 * piece.BeatsPerBar; ++eighth)
          drums.Note(9, tick + eighth * Ticks / 2, 60, eighth % 4 == 0 ? 36 : 42, eighth % 2 ? 40 : 60);
      // Melody: chord tones on the beats, passing notes between them.
      int at = 0;
      while (at < bar) {
        const int length = (dice.Roll(3) == 0 ? 2 : 1) * Ticks / (dice.Roll(2) + 1);
        std::vector<int> tones;
        for (const int pitch : chord)
          for (int octave : { 12, 24 })
            tones.push_back(pitch + octave);
        int target = tones[static_cast<std::size_t>(dice.Roll(static_cast<int>(tones.size())))];
        if (std::abs(target - previous) > 7)
          target = previous + (target > previous ? 2 : -2);
        if (at % Ticks != 0)
          target = previous + (dice.Roll(2) ? 2 : -1);
        target = std::clamp(target, 62, 86);
        if (round % 2 == 1 || dice.Roll(5) != 0)
          melody.Note(0, tick + at, std::min(length, bar - at) - 20, target, 70 + dice.Roll(20));
        previous = target;
        at += length;
      }
      tick += bar;
    }
  // A closing chord so that the loop lands.
  for (const int pitch : piece.Chords[0])
    chords.Note(1, tick, 2 * bar, pitch, 50);
  bass.Note(2, tick, 2 * bar, piece.Chords[0][0] - 12, 70);

  std::vector<TTrack*> tracks = { &tempo, &melody, &chords, &bass };
  if (piece.Drums)
    tracks.push_back(&drums);
  std::string file = "MThd";
  TTrack::Put32(file, 6);
  file += std::string { '\0', '\1', '\0', static_cast<char>(tracks.size()), static_cast<char>(Ticks >> 8), static_cast<char>(Ticks & 0xFF) };
  for (const TTrack* track : tracks)
    file += track->Chunk();
  return file;
}

} // namespace

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_music MUSIC_FOLDER\n");
    return 2;
  }
  // C major, A minor, F major, G major and friends, voiced around middle C.
  const std::vector<TPiece> pieces = {
    { "a_morning.mid", 112, 3, { { 48, 52, 55 }, { 45, 48, 52 }, { 41, 45, 48 }, { 43, 47, 50 }, { 48, 52, 55 }, { 41, 45, 48 }, { 43, 47, 50 }, { 48, 52, 55 } }, 0, 48, 32, 4, 7, false },
    { "b_riverside.mid", 96, 4, { { 50, 53, 57 }, { 43, 47, 50 }, { 48, 52, 55 }, { 45, 48, 52 }, { 50, 53, 57 }, { 43, 47, 50 }, { 52, 55, 59 }, { 45, 49, 52 } }, 73, 24, 33, 3, 11, true },
    { "c_puzzle.mid", 126, 4, { { 43, 47, 50 }, { 48, 52, 55 }, { 50, 54, 57 }, { 43, 47, 50 }, { 40, 43, 47 }, { 48, 52, 55 }, { 50, 54, 57 }, { 43, 47, 50 } }, 12, 0, 45, 3, 5, true },
  };
  for (const TPiece& piece : pieces) {
    const std::string path = std::string(argv[1]) + "/" + piece.File;
    std::ofstream out(path, std::ios::binary);
    out << Compose(piece);
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
