// Writes the three pieces of background music as Standard MIDI Files
// (type 1), each with a character of its own: a waltz in C major, a slow
// song in F major, a quick puzzle in A minor. Each grows from a motif of two
// bars with a leap and a rhythm of its own (a dotted or syncopated figure),
// developed by sequence, inversion, new rhythms and new chords under it
// rather than repeated. The harmony moves: seventh chords, secondary
// dominants and a borrowed chord, some bars with two chords. Every melody
// note fits its chord: a chord tone, or a note on a strong beat that leans
// on it by step (an appoggiatura or suspension), or a passing or neighbour
// note between the beats; a note from outside the key moves on by step. The
// score names each chord in a marker ("chord 0 4 7"). Deterministic: the
// same program writes the same bytes.
//   make_music MUSIC_FOLDER
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
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
  // A marker naming the chord from here on by its pitch classes ("chord 0 4
  // 7"), for whoever reads the score; players ignore it.
  void Marker(int tick, const std::string& text)
  {
    std::vector<std::uint8_t> bytes(text.size() + 3);
    bytes[0] = 0xFF;
    bytes[1] = 0x06;
    bytes[2] = static_cast<std::uint8_t>(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
      bytes[3 + i] = static_cast<std::uint8_t>(text[i]);
    Add(tick, std::move(bytes));
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

// Chords by their pitch classes over a root, in semitones from the key's
// tonic. A seventh chord has four tones; a secondary dominant brings a tone
// from outside the key that leads into its goal.
enum TQuality { qMajor, qMinor, qDiminished, qDominant7, qMajor7, qMinor7, qHalfDiminished7, qSus4, qDominant7Sus4 };

struct TChord {
  int Root = 0; // semitones above the tonic
  TQuality Quality = qMajor;

  std::vector<int> Intervals() const
  {
    switch (Quality) {
    case qMajor: return { 0, 4, 7 };
    case qMinor: return { 0, 3, 7 };
    case qDiminished: return { 0, 3, 6 };
    case qDominant7: return { 0, 4, 7, 10 };
    case qMajor7: return { 0, 4, 7, 11 };
    case qMinor7: return { 0, 3, 7, 10 };
    case qHalfDiminished7: return { 0, 3, 6, 10 };
    case qSus4: return { 0, 5, 7 };
    case qDominant7Sus4: return { 0, 5, 7, 10 };
    }
    return { 0, 4, 7 };
  }
  bool Has(int semitone) const
  {
    for (const int i : Intervals())
      if ((Root + i - semitone) % 12 == 0)
        return true;
    return false;
  }
};

// One bar's harmony: one chord, or two that share the bar.
struct TBarHarmony {
  TChord First;
  std::optional<TChord> Second; // from the bar's middle (the third beat in 4/4, the third in 3/4)
};

// A note of a melody: start and length in eighths from its bar's start, and
// its scale degree (0 the tonic, 7 an octave up) with an alteration in
// semitones.
struct TNote {
  int Start;
  int Length;
  int Degree;
  int Alter = 0;
};

// A key: its tonic's MIDI pitch and its seven steps.
struct TKey {
  int Tonic;
  std::array<int, 7> Steps;

  int Pitch(int degree) const
  {
    const int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
    return Tonic + 12 * octave + Steps[static_cast<std::size_t>(degree - 7 * octave)];
  }
  bool InKey(int pitch) const
  {
    for (const int step : Steps)
      if ((pitch - Tonic - step) % 12 == 0)
        return true;
    return false;
  }
};

constexpr std::array<int, 7> Major { 0, 2, 4, 5, 7, 9, 11 };
constexpr std::array<int, 7> Minor { 0, 2, 3, 5, 7, 8, 10 };

enum TPattern { ptWaltz, ptWaltzBroken, ptWaltzLilt, ptArpeggio, ptArpeggioWide, ptHymn, ptComping, ptCompingOffbeat, ptPulse };

// A part of a piece: its bars' harmony, the melody of each bar (empty for
// none), the accompaniment's pattern and the parts that play.
struct TSection {
  std::vector<TBarHarmony> Harmony;
  std::vector<std::vector<TNote>> Melody;
  TPattern Pattern = ptWaltz;
  int MelodyChannel = 0;
  int Dynamic = 64;
  int DynamicEnd = -1;
  bool Pad = false;
  bool Drums = false;
};

struct TPiece {
  const char* File;
  TKey Key;
  int Bpm;
  int BeatsPerBar;
  std::array<int, 5> Programs; // melody, accompaniment, bass, second melody, pad
  std::array<int, 5> Volumes;
  int DrumVolume = 0;
  // The lowest and highest pitch of the melody and of the second melody.
  std::array<std::pair<int, int>, 2> Ranges { { { 64, 88 }, { 55, 81 } } };
  std::vector<TSection> Sections;
};

constexpr int MelodyCh = 0, AccompanimentCh = 1, BassCh = 2, SecondMelodyCh = 3, PadCh = 4, DrumCh = 9;

// --- Melody: motifs and what is done with them ---------------------------

using TCell = std::vector<TNote>; // notes over one or more bars, starts counted from the cell's start

TCell Shifted(TCell cell, int degrees)
{
  for (TNote& n : cell)
    n.Degree += degrees;
  return cell;
}

// The cell upside down around its first note.
TCell Inverted(TCell cell)
{
  const int axis = cell.front().Degree;
  for (TNote& n : cell)
    n.Degree = 2 * axis - n.Degree;
  return cell;
}

// The cell's notes on another rhythm with as many notes.
TCell Rhythm(TCell cell, const std::vector<std::pair<int, int>>& rhythm)
{
  for (std::size_t i = 0; i < cell.size() && i < rhythm.size(); ++i) {
    cell[i].Start = rhythm[i].first;
    cell[i].Length = rhythm[i].second;
  }
  return cell;
}

// Splits a cell into bars of the given length.
std::vector<TCell> Bars(const TCell& cell, int barEighths, int bars)
{
  std::vector<TCell> out(static_cast<std::size_t>(bars));
  for (TNote n : cell) {
    const int bar = n.Start / barEighths;
    if (bar < bars) {
      n.Start -= bar * barEighths;
      out[static_cast<std::size_t>(bar)].push_back(n);
    }
  }
  return out;
}

// A phrase from cells of two bars each.
std::vector<TCell> Phrase(const std::vector<TCell>& cells, int barEighths)
{
  std::vector<TCell> bars;
  for (const TCell& cell : cells)
    for (const TCell& bar : Bars(cell, barEighths, 2))
      bars.push_back(bar);
  return bars;
}

// --- Fitting the melody to the harmony --------------------------------------

struct TPlaced {
  int Tick; // absolute, in eighths from the section's start
  int Length;
  int Pitch;
  bool Strong;
};

// The chord at an eighth of its bar: the second chord, if any, from the
// third beat.
const TChord& ChordAt(const TBarHarmony& bar, int eighth)
{
  return bar.Second && eighth >= 4 ? *bar.Second : bar.First;
}

// Keeps every note where it sounds well against its chord: a note on a
// strong beat is a chord tone, or a step above or below the chord tone it
// moves to next (an appoggiatura or suspension); a note between is a chord
// tone or moves on by step. Otherwise it goes to the nearest chord tone,
// preferring one that does not repeat the note before. A note from outside
// the key always moves on by step.
std::vector<TPlaced> Fit(const TPiece& piece, const TSection& section)
{
  const int barEighths = 2 * piece.BeatsPerBar;
  std::vector<TPlaced> notes;
  std::vector<const TChord*> chords;
  for (std::size_t b = 0; b < section.Melody.size(); ++b)
    for (const TNote& n : section.Melody[b]) {
      const bool strong = n.Start == 0 || (piece.BeatsPerBar == 4 && n.Start == 4);
      notes.push_back({ static_cast<int>(b) * barEighths + n.Start, n.Length, piece.Key.Pitch(n.Degree) + n.Alter, strong });
      chords.push_back(&ChordAt(section.Harmony[b], n.Start));
    }
  // Each two bars in the part's range, moved by octaves as a whole.
  const auto [low, high] = piece.Ranges[section.MelodyChannel == SecondMelodyCh ? 1 : 0];
  for (int first = 0; first < static_cast<int>(section.Melody.size()) * barEighths; first += 2 * barEighths) {
    int lowest = 999;
    int highest = -999;
    for (const TPlaced& note : notes)
      if (note.Tick >= first && note.Tick < first + 2 * barEighths) {
        lowest = std::min(lowest, note.Pitch);
        highest = std::max(highest, note.Pitch);
      }
    int shift = 0;
    while (highest + shift > high && lowest + shift - 12 >= low - 2)
      shift -= 12;
    while (lowest + shift < low && highest + shift + 12 <= high + 2)
      shift += 12;
    for (TPlaced& note : notes)
      if (note.Tick >= first && note.Tick < first + 2 * barEighths)
        note.Pitch += shift;
  }
  for (std::size_t k = notes.size(); k-- > 0;) {
    TPlaced& note = notes[k];
    const TChord& chord = *chords[k];
    const bool tone = chord.Has(note.Pitch - piece.Key.Tonic);
    const bool next = k + 1 < notes.size();
    const int step = next ? std::abs(notes[k + 1].Pitch - note.Pitch) : 99;
    const bool nextTone = next && chords[k + 1]->Has(notes[k + 1].Pitch - piece.Key.Tonic);
    const bool inKey = piece.Key.InKey(note.Pitch);
    const bool byStep = step == 1 || step == 2;
    if (tone ? inKey || byStep : byStep && (!note.Strong || nextTone))
      continue;
    const int before = k > 0 ? notes[k - 1].Pitch : -1;
    int best = note.Pitch;
    int bestCost = 1 << 20;
    for (int p = note.Pitch - 5; p <= note.Pitch + 5; ++p) {
      if (!chord.Has(p - piece.Key.Tonic))
        continue;
      if (!piece.Key.InKey(p) && !(next && std::abs(notes[k + 1].Pitch - p) >= 1 && std::abs(notes[k + 1].Pitch - p) <= 2))
        continue;
      // Near the written note, no repeat, and no leap wider than a fifth
      // where a nearer chord tone will do.
      const int cost = 2 * std::abs(p - note.Pitch) + (p == before ? 7 : 0) + (next && p == notes[k + 1].Pitch ? 7 : 0)
        + 3 * std::max(0, (before < 0 ? 0 : std::abs(p - before)) - 7) + 3 * std::max(0, (next ? std::abs(notes[k + 1].Pitch - p) : 0) - 7);
      if (cost < bestCost) {
        bestCost = cost;
        best = p;
      }
    }
    note.Pitch = best;
  }
  return notes;
}

// --- Accompaniment ----------------------------------------------------------

// The chord's tones nearest the voicing before (voice leading), from low
// up, within an octave and a half above low.
std::vector<int> Voiced(const TPiece& piece, const TChord& chord, const std::vector<int>& before, int low)
{
  std::vector<int> best;
  int bestCost = 1 << 20;
  const std::vector<int> intervals = chord.Intervals();
  for (std::size_t inversion = 0; inversion < intervals.size(); ++inversion) {
    std::vector<int> voicing;
    for (std::size_t i = 0; i < intervals.size(); ++i) {
      int pitch = piece.Key.Tonic + chord.Root + intervals[(inversion + i) % intervals.size()];
      while (pitch < low)
        pitch += 12;
      while (!voicing.empty() && pitch <= voicing.back())
        pitch += 12;
      voicing.push_back(pitch);
    }
    while (voicing.front() >= low + 12)
      for (int& p : voicing)
        p -= 12;
    int cost = 0;
    for (std::size_t i = 0; i < voicing.size() && i < before.size(); ++i)
      cost += std::abs(voicing[i] - before[i]);
    if (before.empty())
      cost = voicing.front() - low;
    if (cost < bestCost) {
      bestCost = cost;
      best = voicing;
    }
  }
  return best;
}

int BassPitch(const TPiece& piece, int semitone, int low)
{
  int pitch = piece.Key.Tonic + semitone;
  while (pitch < low)
    pitch += 12;
  while (pitch >= low + 12)
    pitch -= 12;
  return pitch;
}

struct TTracks {
  TTrack Meta, Melody, SecondMelody, Accompaniment, Bass, Pad, Drums;
};

int BarDynamic(const TSection& section, std::size_t bar)
{
  const std::size_t bars = section.Harmony.size();
  if (section.DynamicEnd < 0 || bar + 2 < bars)
    return section.Dynamic;
  const int step = static_cast<int>(bar + 2 - bars) + 1;
  return section.Dynamic + (section.DynamicEnd - section.Dynamic) * step / 2;
}

void Accompany(const TPiece& piece, const TSection& section, int tick, TTracks& t, std::vector<int>& voicing)
{
  const int beats = piece.BeatsPerBar;
  const int bar = beats * Ticks;
  for (std::size_t b = 0; b < section.Harmony.size(); ++b) {
    const TBarHarmony& harmony = section.Harmony[b];
    const int at = tick + static_cast<int>(b) * bar;
    const int v = BarDynamic(section, b);
    const bool last = &section == &piece.Sections.back() && b + 1 == section.Harmony.size();
    const TChord& next = b + 1 < section.Harmony.size() ? section.Harmony[b + 1].First : harmony.First;
    // The chord sounding at a beat, voiced from the one before.
    const auto chordAt = [&](int beat) -> const TChord& { return harmony.Second && beat >= 2 ? *harmony.Second : harmony.First; };
    const auto chordNotes = [&](int start, int length, int beat, int velocity, int low) {
      voicing = Voiced(piece, chordAt(beat), voicing, low);
      for (const int pitch : voicing)
        t.Accompaniment.Note(AccompanimentCh, at + start, length, pitch, velocity);
    };
    const int root = chordAt(0).Root;
    const auto mark = [&](int start, const TChord& chord) {
      std::string text = "chord";
      for (const int i : chord.Intervals())
        text += " " + std::to_string((piece.Key.Tonic + chord.Root + i) % 12);
      t.Meta.Marker(at + start, text);
    };
    mark(0, harmony.First);
    if (harmony.Second)
      mark(2 * Ticks, *harmony.Second);
    if (last) {
      chordNotes(0, bar, 0, v - 12, 55);
      t.Bass.Note(BassCh, at, bar, BassPitch(piece, root, 36), v);
      if (section.Pad)
        for (const int pitch : Voiced(piece, harmony.First, {}, 60))
          t.Pad.Note(PadCh, at, bar, pitch, v - 20);
      continue;
    }
    // A step into the next bar's root, from above or below.
    const int approach = next.Root + ((next.Root - root + 12) % 12 <= 6 ? -1 : 1);
    switch (section.Pattern) {
    case ptWaltz:
      // Bass on one, the chord on two and three.
      t.Bass.Note(BassCh, at, Ticks - 30, BassPitch(piece, root, 36), v);
      chordNotes(Ticks, Ticks - 60, 1, v - 4, 55);
      chordNotes(2 * Ticks, Ticks - 60, 2, v - 8, 55);
      break;
    case ptWaltzLilt:
      // Root and fifth of the bass by turns; the chord on two and on the and
      // of two, held into three.
      t.Bass.Note(BassCh, at, Ticks - 30, BassPitch(piece, b % 2 ? root + 7 : root, 36), v);
      chordNotes(Ticks, Eighth - 30, 1, v - 4, 57);
      chordNotes(Ticks + Eighth, Ticks + Eighth - 40, 1, v - 8, 57);
      break;
    case ptWaltzBroken: {
      // A broken chord in eighths over the bass's dotted half.
      t.Bass.Note(BassCh, at, bar - 40, BassPitch(piece, root, 36), v - 2);
      for (int e = 1; e < 2 * beats; ++e) {
        voicing = Voiced(piece, chordAt(e / 2), voicing, 55);
        const int pitch = voicing[static_cast<std::size_t>((e - 1) % static_cast<int>(voicing.size()))];
        t.Accompaniment.Note(AccompanimentCh, at + e * Eighth, Eighth + 60, pitch, v - 6 + (e % 2 ? 0 : 4));
      }
      t.Bass.Note(BassCh, at + 2 * Ticks + Eighth, Eighth - 20, BassPitch(piece, approach, 36), v - 14);
      break;
    }
    case ptArpeggio:
    case ptArpeggioWide: {
      // Broken chords in eighths: up and back in the chord's voicing, or
      // spread over a tenth.
      for (int e = 0; e < 2 * beats; ++e) {
        voicing = Voiced(piece, chordAt(e / 2), voicing, 50);
        // Every tone of the chord in each half bar: up (and back for a
        // triad), or spread with the root's octave on top at the bar's end.
        const int n = static_cast<int>(voicing.size());
        const int up[4] = { 0, 1, 2, n == 4 ? 3 : 1 };
        const int spread[4] = { 0, 2, 1, n == 4 ? 3 : 0 };
        const int i = section.Pattern == ptArpeggio ? up[e % 4] : spread[e % 4];
        int pitch = voicing[static_cast<std::size_t>(i)];
        if (section.Pattern == ptArpeggioWide && e == 2 * beats - 1)
          pitch = voicing[0] + 12;
        t.Accompaniment.Note(AccompanimentCh, at + e * Eighth, Eighth * 3 / 2, pitch, v - 6 + (e % 4 == 0 ? 6 : 0));
      }
      t.Bass.Note(BassCh, at, 2 * Ticks - 30, BassPitch(piece, root, 38), v);
      const int third = harmony.Second ? harmony.Second->Root : root + 7;
      t.Bass.Note(BassCh, at + 2 * Ticks, Ticks - 30, BassPitch(piece, third, 38), v - 6);
      t.Bass.Note(BassCh, at + 3 * Ticks, Ticks - 30, BassPitch(piece, approach, 38), v - 8);
      break;
    }
    case ptHymn:
      // Sustained chords, one a half bar, the bass walking in quarters.
      chordNotes(0, 2 * Ticks - 30, 0, v - 10, 53);
      chordNotes(2 * Ticks, 2 * Ticks - 30, 2, v - 10, 53);
      for (int beat = 0; beat < beats; ++beat) {
        const int semitone = beat == 3 ? approach : beat == 1 ? chordAt(beat).Root + chordAt(beat).Intervals()[1] : chordAt(beat).Root + (beat == 2 && !harmony.Second ? 7 : 0);
        t.Bass.Note(BassCh, at + beat * Ticks, Ticks - 30, BassPitch(piece, semitone, 38), v - 4);
      }
      break;
    case ptComping:
    case ptCompingOffbeat: {
      // Short chords on one, the and of two and four, or off the beat.
      const int hits[2][3] = { { 0, 3 * Eighth, 3 * Ticks }, { Eighth, 2 * Ticks, 5 * Eighth + Ticks } };
      for (const int start : hits[section.Pattern == ptComping ? 0 : 1])
        chordNotes(start, Eighth - 40, start / Ticks, v - 8 + (start == 0 ? 4 : 0), 55);
      t.Bass.Note(BassCh, at, Ticks + Eighth - 30, BassPitch(piece, root, 36), v);
      t.Bass.Note(BassCh, at + 3 * Eighth, Eighth - 20, BassPitch(piece, root, 36), v - 10);
      t.Bass.Note(BassCh, at + 2 * Ticks, Ticks - 30, BassPitch(piece, chordAt(2).Root + 7, 36), v - 6);
      t.Bass.Note(BassCh, at + 3 * Ticks, Ticks - 30, BassPitch(piece, approach, 36), v - 8);
      break;
    }
    case ptPulse:
      // Eighths in the bass, the chord held above.
      chordNotes(0, 2 * Ticks - 30, 0, v - 12, 57);
      chordNotes(2 * Ticks, 2 * Ticks - 30, 2, v - 12, 57);
      for (int e = 0; e < 2 * beats; ++e)
        t.Bass.Note(BassCh, at + e * Eighth, Eighth - 40, BassPitch(piece, chordAt(e / 2).Root + (e % 4 == 3 ? 7 : 0), 36) + (e % 2 ? 12 : 0), v - 6 - (e % 2 ? 6 : 0));
      break;
    }
    if (section.Pad)
      for (const int pitch : Voiced(piece, harmony.First, {}, 62))
        t.Pad.Note(PadCh, at, bar - 20, pitch, v - 20);
    if (section.Drums) {
      for (int e = 0; e < 2 * beats; ++e)
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
    track->Control(channel, 0, 7, piece.Volumes[i]);
    track->Control(channel, 0, 10, pans[i]);
    track->Control(channel, 0, 91, 40);
    track->Control(channel, 0, 93, 0);
  }
  t.Drums.Control(DrumCh, 0, 7, piece.DrumVolume);
  t.Drums.Control(DrumCh, 0, 93, 0);
  t.Drums.Control(DrumCh, 0, 91, 30);

  const int bar = piece.BeatsPerBar * Ticks;
  int tick = 0;
  std::vector<int> voicing;
  for (const TSection& section : piece.Sections) {
    Accompany(piece, section, tick, t, voicing);
    TTrack& melody = section.MelodyChannel == SecondMelodyCh ? t.SecondMelody : t.Melody;
    const std::vector<TPlaced> notes = Fit(piece, section);
    for (std::size_t k = 0; k < notes.size(); ++k) {
      const TPlaced& n = notes[k];
      const std::size_t b = static_cast<std::size_t>(n.Tick / (2 * piece.BeatsPerBar));
      const int velocity = BarDynamic(section, b) + 10 + (n.Tick % (2 * piece.BeatsPerBar) == 0 ? 8 : 0) - (n.Tick % 2 ? 8 : 0);
      const bool final = &section == &piece.Sections.back() && k + 1 == notes.size();
      const int length = final ? bar - n.Tick % (2 * piece.BeatsPerBar) * Eighth : n.Length * Eighth - 30;
      melody.Note(section.MelodyChannel, tick + n.Tick * Eighth, length, n.Pitch, velocity);
    }
    tick += static_cast<int>(section.Harmony.size()) * bar;
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

// --- The pieces ---------------------------------------------------------------

TBarHarmony H(TChord chord)
{
  return { chord, std::nullopt };
}

TBarHarmony H(TChord first, TChord second)
{
  return { first, second };
}

// Chords by root (semitones above the tonic) and quality.
TChord Maj(int root) { return { root, qMajor }; }
TChord Min(int root) { return { root, qMinor }; }
TChord Dom7(int root) { return { root, qDominant7 }; }
TChord Maj7(int root) { return { root, qMajor7 }; }
TChord Min7(int root) { return { root, qMinor7 }; }
TChord HalfDim7(int root) { return { root, qHalfDiminished7 }; }
TChord Sus4(int root) { return { root, qDominant7Sus4 }; }

std::vector<TCell> Cells(std::initializer_list<TCell> cells, int barEighths)
{
  return Phrase(cells, barEighths);
}

std::vector<TPiece> Pieces()
{
  std::vector<TPiece> pieces;

  // A morning waltz in C major: the piano's theme climbs by a dotted step to
  // a leap and falls back in thirds; the middle section turns to A minor's
  // colour with the clarinet's syncopated song; the theme returns with
  // other chords under it.
  {
    TPiece p { "a_morning.mid", { 60, Major }, 100, 3, { 0, 0, 32, 71, 48 }, { 108, 92, 96, 104, 70 }, 0, { { { 67, 88 }, { 55, 79 } } }, {} };
    const int bar = 6;
    const TCell motif { { 0, 3, 11 }, { 3, 1, 12 }, { 4, 2, 14 }, { 6, 2, 13 }, { 8, 2, 11 }, { 10, 2, 9 } };
    const std::vector<std::pair<int, int>> lilt { { 0, 2 }, { 2, 1 }, { 3, 1 }, { 4, 2 }, { 6, 3 }, { 9, 3 } };
    const TCell half { { 0, 2, 11 }, { 2, 2, 10 }, { 4, 2, 9 }, { 6, 6, 8 } };
    const TCell home { { 0, 3, 9 }, { 3, 1, 10 }, { 4, 2, 8 }, { 6, 6, 7 } };
    const TCell song { { 0, 2, 9 }, { 2, 1, 8 }, { 3, 3, 7 }, { 6, 2, 4 }, { 8, 4, 5 } };
    const TCell answer { { 0, 3, 5 }, { 3, 1, 6 }, { 4, 2, 8 }, { 6, 4, 7 }, { 10, 2, 4 } };
    const TCell close { { 0, 3, 6 }, { 3, 1, 5 }, { 4, 2, 4 }, { 6, 6, 5 } };

    const std::vector<TBarHarmony> theme { H(Maj(0)), H(Min7(9)), H(Min7(2)), H(Dom7(7)), H(Maj(0)), H(Dom7(4)), H(Min(9)), H(Dom7(9)),
      H(Min7(2)), H(Dom7(7)), H(Min7(4)), H(Min(9), Dom7(2)), H(Min7(2), Dom7(7)), H(Maj(0)), H(Maj(5), Dom7(7)), H(Maj(0)) };
    const std::vector<TBarHarmony> again { H(Maj(0)), H(Dom7(4)), H(Min7(9)), H(Dom7(2)), H(Min7(2)), H(Dom7(7)), H(Maj(0), Dom7(9)),
      H(Min(2)), H(Maj(5)), H(Dom7(0)), H(Maj(5)), H(Min7(4), Dom7(9)), H(Min7(2)), H(Dom7(7)), H(Min7(2), Dom7(7)), H(Maj(0)) };
    const std::vector<TBarHarmony> middle { H(Min(9)), H(Min7(2)), H(Dom7(4)), H(Min(9)), H(Maj7(5)), H(Min7(2)), H(Dom7(4)), H(Min(9), Dom7(4)),
      H(Min(9)), H(Dom7(9)), H(Min(2)), H(Min7(2), Dom7(7)), H(Maj(0)), H(Maj7(5)), H(Min7(2), Dom7(4)), H(Min(9)) };

    p.Sections = {
      { { H(Maj(0)), H(Min7(9)), H(Min7(2)), H(Dom7(7)) }, Cells({ Shifted(motif, -7), Shifted(half, -7) }, bar), ptWaltz, SecondMelodyCh, 62 },
      { theme, Cells({ motif, Shifted(motif, -1), Rhythm(Shifted(motif, 1), lilt), half, motif, Inverted(Shifted(motif, 2)),
                         Shifted(Rhythm(motif, lilt), -2), home }, bar), ptWaltz, MelodyCh, 66 },
      { again, Cells({ Rhythm(motif, lilt), Shifted(motif, 2), Shifted(Rhythm(motif, lilt), -1), Shifted(half, 1), Shifted(motif, -3),
                         Inverted(Shifted(motif, 4)), Shifted(motif, -2), home }, bar), ptWaltzLilt, MelodyCh, 70, -1, true },
      { middle, Cells({ song, answer, Shifted(song, 1), close, Shifted(song, -1), Rhythm(answer, { { 0, 2 }, { 2, 2 }, { 4, 2 }, { 6, 3 }, { 9, 3 } }),
                          Shifted(answer, 2), close }, bar), ptWaltzBroken, SecondMelodyCh, 64, -1, true },
      { middle, Cells({ Shifted(song, 2), Shifted(answer, -1), Inverted(Shifted(song, 6)), Shifted(close, 1), Shifted(song, 3),
                          Shifted(answer, 1), Inverted(Shifted(answer, 9)), close }, bar), ptWaltzLilt, SecondMelodyCh, 68, 76, true },
      { again, Cells({ Shifted(motif, 7), Shifted(Rhythm(motif, lilt), 6), Shifted(motif, 8), Shifted(half, 7), Inverted(Shifted(motif, 9)),
                         Shifted(motif, 5), Shifted(Rhythm(motif, lilt), 4), Shifted(home, 7) }, bar), ptWaltz, MelodyCh, 72, -1, true },
      { { H(Maj(0)), H(Maj(5)), H(Min7(2)), H(Dom7(7)), H(Maj(0), Dom7(9)), H(Min7(2)), H(Dom7(7)), H(Maj(0)) },
        Cells({ Shifted(motif, -2), Shifted(half, 0), Rhythm(Shifted(motif, -4), lilt), home }, bar), ptWaltzBroken, MelodyCh, 62, 50 },
    };
    pieces.push_back(p);
  }

  // By the river, in F major: the flute's theme leaps up a sixth and falls
  // in a long dotted line over a guitar's broken chords; the middle section
  // lets the vibraphone sing a syncopated tune over slow strings and a
  // walking bass, through a chord borrowed from F minor.
  {
    TPiece p { "b_riverside.mid", { 65, Major }, 84, 4, { 73, 24, 32, 11, 49 }, { 84, 68, 90, 84, 56 }, 0, { { { 67, 93 }, { 60, 86 } } }, {} };
    const int bar = 8;
    const TCell motif { { 0, 2, 7 }, { 2, 3, 12 }, { 5, 1, 11 }, { 6, 2, 10 }, { 8, 4, 9 }, { 12, 2, 8 }, { 14, 2, 9 } };
    const std::vector<std::pair<int, int>> flow { { 0, 3 }, { 3, 1 }, { 4, 2 }, { 6, 2 }, { 8, 3 }, { 11, 3 }, { 14, 2 } };
    const TCell rise { { 0, 2, 9 }, { 2, 2, 11 }, { 4, 3, 13 }, { 7, 1, 12 }, { 8, 6, 11 }, { 14, 2, 9 } };
    const TCell home { { 0, 3, 9 }, { 3, 1, 8 }, { 4, 4, 6 }, { 8, 8, 7 } };
    const TCell swing { { 0, 1, 9 }, { 1, 2, 11 }, { 3, 1, 10 }, { 4, 4, 7 }, { 8, 2, 8 }, { 10, 3, 10 }, { 13, 3, 9 } };
    const TCell sigh { { 0, 3, 11 }, { 3, 1, 10 }, { 4, 4, 9 }, { 8, 6, 8 }, { 14, 2, 6 } };

    const std::vector<TBarHarmony> theme { H(Maj(0)), H(Maj7(5)), H(Min7(2)), H(Dom7(7)), H(Min7(7), Dom7(0)), H(Maj(0)), H(Min7(9)),
      H(Sus4(7), Dom7(7)), H(Maj(0)), H(Maj7(5)), H(Min7(4)), H(Min7(9)), H(Maj(5)), H(Min7(7), Dom7(0)), H(Maj(10)), H(Maj(0)) };
    const std::vector<TBarHarmony> middle { H(Min7(2)), H(Min7(7)), H(Sus4(7), Dom7(7)), H(Maj7(0)), H(Maj(10)), H(Maj7(5)), H(Min7(7)),
      H(Sus4(7), Dom7(7)), H(Min7(9)), H(Min7(2)), H(Maj(3)), H(Maj7(5)), H(Min7(4)), H(Min7(7)), H(Min7(7), Dom7(0)), H(Maj(0)) };
    const std::vector<TBarHarmony> back { H(Maj(0)), H(Maj(3)), H(Min7(2)), H(Dom7(7)), H(Min7(9), Dom7(0)), H(Maj7(5)), H(Min7(7)),
      H(Sus4(7), Dom7(7)), H(Min7(2)), H(Maj7(5)), H(Maj(10)), H(Min7(9)), H(Min7(7)), H(Min7(4), Dom7(0)), H(Min7(7), Dom7(0)), H(Maj(0)) };

    p.Sections = {
      { { H(Maj(0)), H(Maj7(5)), H(Min7(7)), H(Sus4(7), Dom7(7)) }, Cells({ Shifted(motif, -7), Shifted(home, -7) }, bar), ptArpeggio, SecondMelodyCh, 64 },
      { theme, Cells({ motif, Shifted(rise, -1), Shifted(motif, -2), home, Rhythm(motif, flow), Shifted(rise, 1), Inverted(Shifted(motif, 4)),
                         Shifted(home, 0) }, bar), ptArpeggio, MelodyCh, 66 },
      { middle, Cells({ swing, sigh, Shifted(swing, 1), Shifted(sigh, -1), Shifted(swing, -1), Inverted(Shifted(sigh, 10)), Shifted(swing, 2),
                          Shifted(home, 0) }, bar), ptHymn, SecondMelodyCh, 64, 72, true },
      { back, Cells({ Rhythm(motif, flow), Shifted(rise, 0), Shifted(Rhythm(motif, flow), -1), Shifted(home, 1), Shifted(motif, 2),
                        Shifted(rise, -2), Inverted(Shifted(rise, 9)), home }, bar), ptArpeggioWide, MelodyCh, 70, -1, true },
      { { H(Maj(0)), H(Maj(10)), H(Min7(7), Dom7(0)), H(Maj(0)) }, Cells({ Shifted(motif, -2), Shifted(home, -7) }, bar), ptArpeggio, MelodyCh, 62, 50, true },
    };
    pieces.push_back(p);
  }

  // A puzzle in A minor: the marimba's theme zigzags in fourths and fifths
  // with a syncopated kick over electric-piano chords and light drums; the
  // middle section moves to C major's side with the vibraphone; the raised
  // leading notes of the dominants lead home.
  {
    TPiece p { "c_puzzle.mid", { 57, Minor }, 112, 4, { 12, 4, 33, 11, 45 }, { 116, 76, 96, 104, 74 }, 84, { { { 62, 86 }, { 60, 86 } } }, {} };
    const int bar = 8;
    const TCell motif { { 0, 1, 7 }, { 1, 2, 11 }, { 3, 1, 9 }, { 4, 1, 12 }, { 5, 1, 10 }, { 6, 2, 8 }, { 8, 3, 9 }, { 11, 1, 8 }, { 12, 4, 7 } };
    const std::vector<std::pair<int, int>> skip { { 0, 2 }, { 2, 1 }, { 3, 1 }, { 4, 2 }, { 6, 1 }, { 7, 1 }, { 8, 2 }, { 10, 2 }, { 12, 4 } };
    const TCell turn { { 0, 2, 11 }, { 2, 1, 10 }, { 3, 3, 12 }, { 6, 2, 9 }, { 8, 3, 8 }, { 11, 1, 9 }, { 12, 4, 6 } };
    const TCell home { { 0, 3, 9 }, { 3, 1, 8 }, { 4, 2, 6 }, { 6, 2, 8 }, { 8, 8, 7 } };
    const TCell bright { { 0, 2, 9 }, { 2, 3, 13 }, { 5, 1, 12 }, { 6, 2, 11 }, { 8, 1, 9 }, { 9, 2, 10 }, { 11, 1, 8 }, { 12, 4, 9 } };
    const TCell fall { { 0, 3, 12 }, { 3, 1, 11 }, { 4, 2, 9 }, { 6, 2, 7 }, { 8, 6, 9 }, { 14, 2, 8 } };

    const std::vector<TBarHarmony> theme { H(Min(0)), H(Min7(5)), H(Dom7(7)), H(Min(0)), H(Maj7(8)), H(Min7(5)), H(HalfDim7(2)), H(Dom7(7)),
      H(Min(0)), H(Min7(5)), H(Maj(10)), H(Maj7(3)), H(Maj7(8)), H(HalfDim7(2), Dom7(7)), H(Sus4(7), Dom7(7)), H(Min(0)) };
    const std::vector<TBarHarmony> again { H(Min(0)), H(Dom7(0)), H(Min7(5)), H(Maj(10)), H(Maj7(3)), H(Dom7(2)), H(Sus4(7)), H(Dom7(7)),
      H(Min(0), Dom7(0)), H(Min7(5)), H(Dom7(10)), H(Maj7(3)), H(Min7(5), Maj7(8)), H(HalfDim7(2)), H(Sus4(7), Dom7(7)), H(Min(0)) };
    const std::vector<TBarHarmony> middle { H(Maj7(3)), H(Maj(10)), H(Min7(5)), H(Maj7(8)), H(Maj7(3)), H(Dom7(2)), H(Sus4(7)),
      H(Dom7(7)), H(Maj7(8)), H(Maj7(3)), H(Min7(5)), H(Maj(10)), H(Maj7(3)), H(HalfDim7(2)), H(Sus4(7), Dom7(7)), H(Dom7(7)) };

    p.Sections = {
      { { H(Min(0)), H(Min7(5)), H(Maj7(8)), H(Sus4(7), Dom7(7)) }, Cells({ Shifted(motif, -7), Shifted(home, -7) }, bar), ptComping, SecondMelodyCh, 64, -1, false, true },
      { theme, Cells({ motif, Shifted(turn, 0), Shifted(motif, -1), home, Rhythm(motif, skip), Inverted(Shifted(turn, 4)), Shifted(motif, 2),
                         home }, bar), ptComping, MelodyCh, 68, -1, false, true },
      { again, Cells({ Rhythm(motif, skip), Shifted(turn, -1), Inverted(Shifted(motif, 4)), Shifted(home, 1), Shifted(motif, 1),
                         Shifted(turn, 2), Shifted(Rhythm(motif, skip), -2), home }, bar), ptCompingOffbeat, MelodyCh, 70, -1, false, true },
      { middle, Cells({ bright, fall, Shifted(bright, -1), Shifted(fall, 1), Shifted(bright, 1), Inverted(Shifted(fall, 8)), Shifted(bright, -2),
                          Shifted(fall, -1) }, bar), ptPulse, SecondMelodyCh, 64, 76, true },
      { theme, Cells({ Shifted(motif, 7), Shifted(turn, 6), Shifted(Rhythm(motif, skip), 6), Shifted(home, 7), Shifted(motif, 5),
                         Inverted(Shifted(turn, 10)), Shifted(motif, 4), Shifted(home, 7) }, bar), ptCompingOffbeat, MelodyCh, 74, -1, true, true },
      { { H(Min(0)), H(Min7(5)), H(Sus4(7), Dom7(7)), H(Min(0)) }, Cells({ Shifted(motif, -2), Shifted(home, -7) }, bar), ptComping, MelodyCh, 64, 52, false, true },
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
      bars += static_cast<int>(section.Harmony.size());
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
