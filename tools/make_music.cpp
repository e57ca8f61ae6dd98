// Writes the three pieces of background music as Standard MIDI Files
// (type 1). Each has a form: an introduction, a theme stated and varied, a
// contrasting middle section in another colour, the theme's return and a
// coda. Melodies grow from rhythmic motifs over a chord progression: every
// note on a beat is a tone of its chord, every note between beats moves by
// step into the next one, and no note leaves the piece's key. Deterministic.
//   make_music MUSIC_FOLDER
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int Ticks = 480; // per quarter note
constexpr int Eighth = Ticks / 2;

struct TEvent {
  int Tick;
  std::vector<std::uint8_t> Bytes;
};

class TTrack {
public:
  void Program(int channel, int program) { Add(0, { Status(0xC0, channel), static_cast<std::uint8_t>(program) }); }
  void Control(int channel, int tick, int controller, int value)
  {
    Add(tick, { Status(0xB0, channel), static_cast<std::uint8_t>(controller), static_cast<std::uint8_t>(std::clamp(value, 0, 127)) });
  }
  void Note(int channel, int tick, int length, int pitch, int velocity)
  {
    const auto key = static_cast<std::uint8_t>(std::clamp(pitch, 0, 127));
    Add(tick, { Status(0x90, channel), key, static_cast<std::uint8_t>(std::clamp(velocity, 1, 127)) });
    Add(tick + length, { Status(0x80, channel), key, 0 });
  }
  void Tempo(int bpm)
  {
    const int micro = 60000000 / bpm;
    Add(0, { 0xFF, 0x51, 0x03, static_cast<std::uint8_t>(micro >> 16), static_cast<std::uint8_t>(micro >> 8), static_cast<std::uint8_t>(micro) });
  }
  void Metre(int beatsPerBar) { Add(0, { 0xFF, 0x58, 0x04, static_cast<std::uint8_t>(beatsPerBar), 2, 24, 8 }); }

  int LastTick() const
  {
    int last = 0;
    for (const TEvent& e : Events)
      last = std::max(last, e.Tick);
    return last;
  }

  // The track ends with its last event, so that a piece ends with its last
  // note and its repeat can follow at once.
  std::string Chunk() const
  {
    std::vector<TEvent> sorted = Events;
    // Note-offs before note-ons at the same tick, so that a repeated key sounds.
    std::stable_sort(sorted.begin(), sorted.end(), [](const TEvent& a, const TEvent& b) {
      return a.Tick != b.Tick ? a.Tick < b.Tick : Rank(a) < Rank(b);
    });
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
  static std::uint8_t Status(int kind, int channel) { return static_cast<std::uint8_t>(kind | channel); }
  static int Rank(const TEvent& e)
  {
    const int kind = e.Bytes[0] & 0xF0;
    return e.Bytes[0] == 0xFF ? 0 : kind == 0xC0 || kind == 0xB0 ? 1 : kind == 0x80 ? 2 : 3;
  }
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


// A key: its tonic and its seven steps. Degrees count from the tonic (0)
// through the octaves: 7 is the tonic an octave up, -1 the step below it.
struct TKey {
  int Tonic; // the MIDI pitch of degree 0
  std::array<int, 7> Steps;

  int Pitch(int degree) const
  {
    const int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
    return Tonic + 12 * octave + Steps[static_cast<std::size_t>(degree - 7 * octave)];
  }
  // The degree's pitch in the octave from low upwards.
  int PitchFrom(int degree, int low) const
  {
    int pitch = Pitch(degree);
    while (pitch < low)
      pitch += 12;
    while (pitch >= low + 12)
      pitch -= 12;
    return pitch;
  }
};

constexpr std::array<int, 7> Major { 0, 2, 4, 5, 7, 9, 11 };
constexpr std::array<int, 7> Minor { 0, 2, 3, 5, 7, 8, 10 }; // natural minor: no note outside the mode

int Mod7(int degree)
{
  return ((degree % 7) + 7) % 7;
}

// Whether a degree is a tone of the triad on a root degree.
bool InChord(int degree, int root)
{
  const int interval = Mod7(degree - root);
  return interval == 0 || interval == 2 || interval == 4;
}

// A bar's rhythm: (start, length) of each note in eighths. A note that
// starts on an even eighth stands on a beat.
using TRhythm = std::vector<std::pair<int, int>>;

struct TTone {
  int Start; // in eighths from the section's start
  int Length;
  int Degree;
  bool OnBeat;
};

enum TAccompaniment { acWaltz, acArpeggio, acComping };

struct TSection {
  std::vector<int> Chords;  // the root degree of each bar's chord
  std::vector<int> Motifs;  // each bar's rhythm, by index; empty: no melody
  std::vector<int> Contour; // the degree each bar's melody aims at
  int MelodyChannel = 0;
  int Dynamic = 64;     // the melody's velocity; the others follow it
  int DynamicEnd = -1;  // reached over the last two bars (crescendo or fading)
  bool Pad = false;
  bool Drums = false;
  std::uint32_t Seed = 1;
};

struct TPiece {
  const char* File;
  TKey Key;
  int Bpm;
  int BeatsPerBar;
  TAccompaniment Style;
  std::vector<TRhythm> Motifs;
  std::array<int, 5> Programs; // melody, accompaniment, bass, second melody, pad
  std::array<int, 5> Volumes;  // channel volumes, as above
  double Level;                // scales the volumes so that the pieces sound equally loud
  std::vector<TSection> Sections;
};

constexpr int MelodyCh = 0, AccompanimentCh = 1, BassCh = 2, SecondMelodyCh = 3, PadCh = 4, DrumCh = 9;

// The chord tone nearest the target; among equals the one nearest the note
// before, and never a leap of more than a sixth from it.
int ChordToneNear(int target, int root, int previous)
{
  int best = previous;
  int bestCost = 1 << 20;
  for (int degree = target - 4; degree <= target + 4; ++degree) {
    if (!InChord(degree, root))
      continue;
    const int leap = std::abs(degree - previous);
    const int cost = 4 * std::abs(degree - target) + leap + (leap > 5 ? 100 : 0);
    if (cost < bestCost) {
      bestCost = cost;
      best = degree;
    }
  }
  return best;
}

// The melody of a section: first the notes on the beats, chord tones along
// the contour; then the notes between the beats, each a step away from the
// note after it (a passing or neighbour tone), or a chord tone itself.
std::vector<TTone> Melody(const TPiece& piece, const TSection& section)
{
  const int bar = 2 * piece.BeatsPerBar;
  TDice dice(section.Seed);
  std::vector<TTone> tones;
  int previous = section.Contour[0];
  for (std::size_t b = 0; b < section.Motifs.size(); ++b) {
    const int from = section.Contour[b];
    const int to = b + 1 < section.Contour.size() ? section.Contour[b + 1] : from;
    const bool cadence = piece.Motifs[static_cast<std::size_t>(section.Motifs[b])].size() <= 2 && b % 4 == 3;
    for (const auto& [start, length] : piece.Motifs[static_cast<std::size_t>(section.Motifs[b])]) {
      TTone tone { static_cast<int>(b) * bar + start, length, 0, start % 2 == 0 };
      if (tone.OnBeat) {
        const int drift = start == 0 || cadence ? 0 : dice.Roll(3) - 1;
        tone.Degree = ChordToneNear(from + (to - from) * start / bar + drift, section.Chords[b], previous);
        previous = tone.Degree;
      }
      tones.push_back(tone);
    }
  }
  for (std::size_t i = 0; i < tones.size(); ++i) {
    TTone& tone = tones[i];
    if (tone.OnBeat)
      continue;
    const int before = tones[i - 1].Degree;
    const int after = i + 1 < tones.size() ? tones[i + 1].Degree : before;
    const int root = section.Chords[static_cast<std::size_t>(tone.Start / bar)];
    const int way = after > before ? 1 : -1;
    if (after == before)
      tone.Degree = before + 1; // upper neighbour
    else if (std::abs(after - before) == 2)
      tone.Degree = before + way; // passing tone
    else if (std::abs(after - before) == 1)
      tone.Degree = InChord(after, root) ? after : before;
    else {
      tone.Degree = before;
      for (int d = before + way; d != after; d += way)
        if (InChord(d, root) && std::abs(d - after) <= std::abs(tone.Degree - after))
          tone.Degree = d;
    }
  }
  return tones;
}

// The velocity of a bar: the section's dynamic, moving to its end value over
// the last two bars.
int BarDynamic(const TSection& section, std::size_t bar)
{
  const std::size_t bars = section.Chords.size();
  if (section.DynamicEnd < 0 || bar + 2 < bars)
    return section.Dynamic;
  const int step = static_cast<int>(bar + 2 - bars) + 1; // 1 or 2
  return section.Dynamic + (section.DynamicEnd - section.Dynamic) * step / 2;
}

// Three chord tones in the octave from low upwards.
std::array<int, 3> Voicing(const TKey& key, int root, int low)
{
  std::array<int, 3> pitches { key.PitchFrom(root, low), key.PitchFrom(root + 2, low), key.PitchFrom(root + 4, low) };
  std::sort(pitches.begin(), pitches.end());
  return pitches;
}

struct TTracks {
  TTrack Meta, Melody, SecondMelody, Accompaniment, Bass, Pad, Drums;
};

void Accompany(const TPiece& piece, const TSection& section, int tick, TTracks& t)
{
  const int bar = piece.BeatsPerBar * Ticks;
  const TKey& key = piece.Key;
  for (std::size_t b = 0; b < section.Chords.size(); ++b) {
    const int root = section.Chords[b];
    const int at = tick + static_cast<int>(b) * bar;
    const int v = BarDynamic(section, b);
    const bool last = &section == &piece.Sections.back() && b + 1 == section.Chords.size();
    const int next = b + 1 < section.Chords.size() ? section.Chords[b + 1] : root;
    const std::array<int, 3> chord = Voicing(key, root, 53);
    if (last) {
      // The final chord, held for the bar.
      for (const int pitch : chord)
        t.Accompaniment.Note(AccompanimentCh, at, bar, pitch, v - 16);
      t.Bass.Note(BassCh, at, bar, key.PitchFrom(root, 36), v - 4);
      if (section.Pad)
        for (const int pitch : Voicing(key, root, 60))
          t.Pad.Note(PadCh, at, bar, pitch, v - 24);
      continue;
    }
    switch (piece.Style) {
    case acWaltz:
      // Bass on one, the chord on two and three.
      t.Bass.Note(BassCh, at, Ticks - 30, key.PitchFrom(root, 36), v - 2);
      for (int beat = 1; beat < piece.BeatsPerBar; ++beat)
        for (const int pitch : chord)
          t.Accompaniment.Note(AccompanimentCh, at + beat * Ticks, Ticks - 60, pitch, v - 22 + (beat == 1 ? 2 : 0));
      break;
    case acArpeggio: {
      // Broken chord in eighths, up and back, with the octave on top.
      const std::array<int, 3> low = Voicing(key, root, 48);
      const int tones[] = { low[0], low[1], low[2], low[1], low[0] + 12, low[1], low[2], low[1] };
      for (int e = 0; e < 2 * piece.BeatsPerBar; ++e)
        t.Accompaniment.Note(AccompanimentCh, at + e * Eighth, Eighth * 3 / 2, tones[e % 8], v - 20 + (e % 4 == 0 ? 6 : 0));
      // Root on one, fifth on three, then a step into the next root.
      t.Bass.Note(BassCh, at, 2 * Ticks - 30, key.PitchFrom(root, 38), v - 4);
      t.Bass.Note(BassCh, at + 2 * Ticks, Ticks - 30, key.PitchFrom(root + 4, 38), v - 10);
      const int approach = key.PitchFrom(next + (Mod7(next - root) <= 3 ? -1 : 1), 38);
      t.Bass.Note(BassCh, at + 3 * Ticks, Ticks - 30, approach, v - 12);
      break;
    }
    case acComping: {
      // Short chords on one, the and of two, and four.
      const int hits[3][3] = { { 0, Ticks - 80, 6 }, { 3 * Eighth, Eighth - 40, 0 }, { 3 * Ticks, Ticks - 80, 2 } };
      for (const auto& [start, length, accent] : hits)
        for (const int pitch : chord)
          t.Accompaniment.Note(AccompanimentCh, at + start, length, pitch, v - 24 + accent);
      t.Bass.Note(BassCh, at, Ticks + Eighth - 30, key.PitchFrom(root, 36), v - 2);
      t.Bass.Note(BassCh, at + 3 * Eighth, Eighth - 20, key.PitchFrom(root, 36), v - 14);
      t.Bass.Note(BassCh, at + 2 * Ticks, Ticks - 30, key.PitchFrom(root + 4, 36), v - 8);
      t.Bass.Note(BassCh, at + 3 * Ticks, Ticks - 30, key.PitchFrom(next + (Mod7(next - root) <= 3 ? -1 : 1), 36), v - 12);
      break;
    }
    }
    if (section.Pad)
      for (const int pitch : Voicing(key, root, 60))
        t.Pad.Note(PadCh, at, bar - 20, pitch, v - 26);
    if (section.Drums) {
      for (int e = 0; e < 2 * piece.BeatsPerBar; ++e)
        t.Drums.Note(DrumCh, at + e * Eighth, 60, 42, (e % 2 ? 30 : 44) + v / 8); // closed hi-hat
      t.Drums.Note(DrumCh, at, 120, 36, v - 6); // kick
      t.Drums.Note(DrumCh, at + 2 * Ticks + (b % 2 ? Eighth : 0), 120, 36, v - 16);
      t.Drums.Note(DrumCh, at + Ticks, 120, 37, v - 20); // side stick on two and four
      t.Drums.Note(DrumCh, at + 3 * Ticks, 120, 37, v - 18);
    }
  }
}

std::string Compose(const TPiece& piece)
{
  TTracks t;
  t.Meta.Tempo(piece.Bpm);
  t.Meta.Metre(piece.BeatsPerBar);
  // Each part's sound, level and place: close to the middle, without chorus
  // (whose opposite phases cancel on one speaker), with a little reverb.
  const std::pair<TTrack*, int> parts[] = { { &t.Melody, MelodyCh }, { &t.Accompaniment, AccompanimentCh }, { &t.Bass, BassCh },
    { &t.SecondMelody, SecondMelodyCh }, { &t.Pad, PadCh } };
  const int pans[] = { 64, 50, 64, 72, 80 };
  for (std::size_t i = 0; i < 5; ++i) {
    auto [track, channel] = parts[i];
    track->Program(channel, piece.Programs[i]);
    track->Control(channel, 0, 7, static_cast<int>(piece.Volumes[i] * piece.Level + 0.5));
    track->Control(channel, 0, 10, pans[i]);
    track->Control(channel, 0, 91, 40);
    track->Control(channel, 0, 93, 0);
  }
  t.Drums.Control(DrumCh, 0, 7, static_cast<int>(80 * piece.Level + 0.5));
  t.Drums.Control(DrumCh, 0, 93, 0);
  t.Drums.Control(DrumCh, 0, 91, 30);

  const int bar = piece.BeatsPerBar * Ticks;
  int tick = 0;
  for (const TSection& section : piece.Sections) {
    Accompany(piece, section, tick, t);
    if (!section.Motifs.empty()) {
      TTrack& melody = section.MelodyChannel == SecondMelodyCh ? t.SecondMelody : t.Melody;
      for (const TTone& tone : Melody(piece, section)) {
        const std::size_t b = static_cast<std::size_t>(tone.Start / (2 * piece.BeatsPerBar));
        const int velocity = BarDynamic(section, b) + (tone.Start % (2 * piece.BeatsPerBar) == 0 ? 8 : 0) - (tone.OnBeat ? 0 : 8);
        const bool held = &section == &piece.Sections.back() && b + 1 == section.Chords.size();
        const int length = held ? bar - tone.Start % (2 * piece.BeatsPerBar) * Eighth : tone.Length * Eighth - 30;
        melody.Note(section.MelodyChannel, tick + tone.Start * Eighth, length, piece.Key.Pitch(tone.Degree), velocity);
      }
    }
    tick += static_cast<int>(section.Chords.size()) * bar;
  }

  std::vector<const TTrack*> tracks = { &t.Meta, &t.Melody, &t.Accompaniment, &t.Bass, &t.SecondMelody, &t.Pad };
  if (t.Drums.LastTick() > 0)
    tracks.push_back(&t.Drums);
  std::string file = "MThd";
  TTrack::Put32(file, 6);
  file += std::string { '\0', '\1', '\0', static_cast<char>(tracks.size()), static_cast<char>(Ticks >> 8), static_cast<char>(Ticks & 0xFF) };
  for (const TTrack* track : tracks)
    file += track->Chunk();
  return file;
}

// Repeats a list: the theme's second statement, the return.
std::vector<int> Twice(std::vector<int> first, const std::vector<int>& second)
{
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

std::vector<TPiece> Pieces()
{
  std::vector<TPiece> pieces;

  // A morning waltz in C major: piano over a waltz accompaniment; the middle
  // section turns to A minor's colour with the clarinet an octave lower.
  {
    TPiece p { "a_morning.mid", { 60, Major }, 100, 3, acWaltz,
      { { { 0, 2 }, { 2, 2 }, { 4, 2 } }, { { 0, 3 }, { 3, 1 }, { 4, 2 } }, { { 0, 4 }, { 4, 2 } }, { { 0, 6 } },
        { { 0, 2 }, { 2, 1 }, { 3, 1 }, { 4, 2 } } },
      { 0, 0, 32, 71, 48 }, { 100, 70, 96, 96, 60 }, 0.96, {} };
    const std::vector<int> chordsA = Twice({ 0, 5, 3, 4, 0, 5, 1, 4 }, { 0, 5, 3, 4, 0, 3, 4, 0 });
    const std::vector<int> contourA = Twice({ 9, 10, 11, 10, 9, 11, 10, 8 }, { 9, 10, 11, 12, 11, 10, 8, 7 });
    const std::vector<int> chordsB = Twice({ 5, 2, 3, 0, 5, 2, 1, 4 }, { 3, 4, 2, 5, 1, 3, 4, 4 });
    const std::vector<int> contourB = Twice({ 2, 1, 2, 0, 2, 3, 1, 1 }, { 3, 4, 2, 2, 1, 3, 4, 1 });
    p.Sections = {
      { { 0, 0, 3, 4 }, {}, {}, MelodyCh, 56, -1, false, false, 1 },
      { chordsA, Twice({ 1, 0, 2, 0, 1, 0, 4, 3 }, { 1, 0, 2, 0, 1, 4, 2, 3 }), contourA, MelodyCh, 66, -1, false, false, 7 },
      { chordsA, Twice({ 1, 4, 1, 4, 1, 4, 4, 3 }, { 1, 4, 1, 0, 1, 4, 1, 3 }), contourA, MelodyCh, 72, -1, true, false, 7 },
      { chordsB, Twice({ 2, 2, 1, 3, 2, 2, 1, 3 }, { 2, 1, 2, 3, 1, 2, 2, 3 }), contourB, SecondMelodyCh, 58, -1, true, false, 3 },
      { chordsB, Twice({ 1, 2, 1, 3, 1, 2, 0, 3 }, { 2, 1, 4, 3, 1, 0, 2, 3 }), contourB, SecondMelodyCh, 64, 78, true, false, 5 },
      { chordsA, Twice({ 1, 0, 2, 0, 1, 0, 4, 3 }, { 1, 0, 2, 0, 1, 4, 2, 3 }), contourA, MelodyCh, 74, -1, true, false, 7 },
      { { 0, 3, 0, 4, 0, 3, 4, 0 }, { 2, 2, 2, 3, 2, 2, 2, 3 }, { 11, 10, 9, 8, 9, 8, 8, 7 }, MelodyCh, 62, 50, false, false, 9 },
    };
    pieces.push_back(p);
  }

  // By the river, in F major: flute over a guitar's broken chords; the
  // middle section lets the vibraphone sing over slow strings.
  {
    TPiece p { "b_riverside.mid", { 65, Major }, 84, 4, acArpeggio,
      { { { 0, 2 }, { 2, 2 }, { 4, 2 }, { 6, 2 } }, { { 0, 3 }, { 3, 1 }, { 4, 4 } }, { { 0, 4 }, { 4, 2 }, { 6, 2 } },
        { { 0, 8 } }, { { 0, 2 }, { 2, 1 }, { 3, 1 }, { 4, 2 }, { 6, 2 } }, { { 0, 6 }, { 6, 2 } } },
      { 73, 24, 32, 11, 49 }, { 92, 84, 100, 88, 64 }, 0.73, {} };
    const std::vector<int> chordsA = Twice({ 0, 3, 4, 0, 5, 1, 4, 4 }, { 0, 3, 4, 5, 1, 4, 0, 0 });
    const std::vector<int> contourA = Twice({ 9, 10, 11, 9, 10, 8, 9, 8 }, { 9, 10, 11, 12, 10, 9, 8, 7 });
    p.Sections = {
      { { 0, 3, 0, 4 }, {}, {}, MelodyCh, 54, -1, false, false, 1 },
      { chordsA, Twice({ 1, 4, 2, 5, 1, 0, 2, 3 }, { 1, 4, 2, 5, 0, 4, 5, 3 }), contourA, MelodyCh, 66, -1, false, false, 11 },
      { Twice({ 5, 2, 3, 0, 5, 2, 3, 4 }, { 2, 5, 1, 4, 3, 1, 4, 4 }), Twice({ 2, 5, 1, 3, 2, 5, 0, 3 }, { 2, 1, 2, 3, 5, 1, 2, 3 }),
        Twice({ 9, 8, 8, 7, 9, 8, 10, 8 }, { 9, 9, 8, 8, 10, 9, 9, 8 }), SecondMelodyCh, 60, 74, true, false, 13 },
      { chordsA, Twice({ 1, 4, 2, 5, 4, 0, 2, 3 }, { 1, 4, 4, 5, 0, 4, 5, 3 }), contourA, MelodyCh, 72, -1, true, false, 11 },
      { { 0, 3, 4, 0 }, { 2, 5, 2, 3 }, { 9, 8, 8, 7 }, MelodyCh, 60, 48, true, false, 17 },
    };
    pieces.push_back(p);
  }

  // A puzzle in A minor (natural, so without a raised leading note): marimba
  // over electric-piano chords and light drums; the middle section moves to
  // C major's side with the vibraphone.
  {
    TPiece p { "c_puzzle.mid", { 57, Minor }, 112, 4, acComping,
      { { { 0, 2 }, { 2, 1 }, { 3, 1 }, { 4, 2 }, { 6, 2 } }, { { 0, 1 }, { 1, 1 }, { 2, 2 }, { 4, 2 }, { 6, 2 } },
        { { 0, 2 }, { 2, 2 }, { 4, 3 }, { 7, 1 } }, { { 0, 6 } }, { { 0, 2 }, { 2, 2 }, { 4, 2 }, { 6, 2 } } },
      { 12, 4, 33, 11, 45 }, { 104, 72, 100, 96, 70 }, 0.91, {} };
    const std::vector<int> chordsA = Twice({ 0, 5, 2, 6, 0, 5, 3, 4 }, { 0, 5, 2, 6, 3, 6, 0, 0 });
    const std::vector<int> contourA = Twice({ 9, 10, 11, 10, 9, 11, 10, 8 }, { 9, 10, 11, 12, 10, 9, 8, 7 });
    p.Sections = {
      { { 0, 0, 5, 6 }, {}, {}, MelodyCh, 58, -1, false, true, 1 },
      { chordsA, Twice({ 0, 1, 0, 2, 0, 1, 4, 3 }, { 0, 1, 0, 2, 4, 1, 4, 3 }), contourA, MelodyCh, 68, -1, false, true, 19 },
      { chordsA, Twice({ 1, 0, 1, 2, 1, 0, 0, 3 }, { 1, 0, 1, 2, 0, 1, 0, 3 }), contourA, MelodyCh, 72, -1, false, true, 19 },
      { Twice({ 2, 5, 3, 6, 2, 5, 3, 4 }, { 5, 3, 6, 2, 5, 3, 4, 4 }), Twice({ 4, 2, 4, 3, 4, 2, 0, 3 }, { 4, 2, 4, 3, 0, 2, 4, 3 }),
        Twice({ 9, 10, 9, 9, 11, 10, 9, 8 }, { 10, 10, 9, 9, 10, 10, 9, 8 }), SecondMelodyCh, 60, 76, true, false, 23 },
      { chordsA, Twice({ 0, 1, 0, 2, 0, 1, 4, 3 }, { 0, 1, 0, 2, 4, 1, 4, 3 }), contourA, MelodyCh, 74, -1, false, true, 19 },
      { { 0, 3, 4, 0 }, { 4, 4, 4, 3 }, { 9, 10, 8, 7 }, MelodyCh, 64, 52, false, true, 29 },
    };
    pieces.push_back(p);
  }
  return pieces;
}

} // namespace

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_music MUSIC_FOLDER\n");
    return 2;
  }
  for (const TPiece& piece : Pieces()) {
    int bars = 0;
    for (const TSection& section : piece.Sections)
      bars += static_cast<int>(section.Chords.size());
    const std::string path = std::string(argv[1]) + "/" + piece.File;
    std::ofstream out(path, std::ios::binary);
    out << Compose(piece);
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s: %d bars, %.0f s\n", piece.File, bars, bars * piece.BeatsPerBar * 60.0 / piece.Bpm);
  }
  return 0;
}
