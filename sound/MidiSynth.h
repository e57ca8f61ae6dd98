#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

// General-MIDI music rendered by FluidSynth into the audio stream: one
// synthesiser for the whole run, whose soundfont loads once, on a worker
// thread, so that no call from the window waits for it. Until it is loaded
// a piece that was asked to play is held and starts as soon as it can.
//
// Open, Play, FadeOut and Playing are called from the window's thread;
// Render from the audio thread. One mutex guards what they share.
class TMidiSynth {
public:
  TMidiSynth(std::string soundFont, int sampleRate);
  ~TMidiSynth();
  TMidiSynth(const TMidiSynth&) = delete;
  TMidiSynth& operator=(const TMidiSynth&) = delete;

  // Takes a piece (the bytes of a checked MIDI file); it plays from the
  // start at Play. A piece still sounding is cut off.
  void Open(std::vector<char> midi);
  void Play();
  // Lowers the music to silence over FadeMs, then lets the piece go.
  void FadeOut();
  // While a piece plays, or waits for the soundfont to play: false from its
  // last note's end on, not only once the synthesiser has fallen silent.
  bool Playing() const;
  // False once the soundfont failed to load; then nothing ever plays.
  bool Usable() const { return !LoadFailed; }
  // Waits until the soundfont is loaded or has failed (for tests and tools).
  void WaitUntilLoaded();

  // Adds the music to interleaved 16-bit stereo frames, saturating.
  void Render(std::int16_t* stream, int frames);

  void SetGain(float gain);

  static constexpr int FadeMs = 300;
  // The music's level: the pieces play at about -30 LUFS, 6 to 18 LU under
  // the effects' loudest moments, with room for any effect over any moment.
  static constexpr float Gain = 0.5f;

private:
  void Load();
  void StartPlayer(); // with Guard held and the synthesiser loaded
  void DropPlayer();  // with Guard held

  const std::string SoundFont;
  const int SampleRate;
  mutable std::mutex Guard;
  fluid_settings_t* Settings = nullptr;
  fluid_synth_t* Synth = nullptr;
  fluid_player_t* Player = nullptr;
  std::atomic<bool> Loaded { false };
  std::atomic<bool> LoadFailed { false };
  std::vector<char> Piece;
  bool Wanted = false;
  int FadeLeft = 0; // frames still to fade; 0: no fade running
  std::vector<std::int16_t> Scratch;
  std::thread Loader;
};
