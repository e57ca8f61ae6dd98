#pragma once

#include "sound/Audio.h"

#include <QTimer>

#include <array>
#include <memory>

struct Mix_Chunk;
class TMidiSynth;

// Sound through SDL2_mixer, music through FluidSynth with a General-MIDI
// soundfont, mixed into the same stream.
//
// Nothing is opened before it is needed: the device opens at the first
// effect or piece and closes again after IdleMs of silence with no piece
// open, so that an idle program keeps no audio thread busy. The soundfont
// loads once per run, on a worker thread, at the first piece.
class TSdlAudio final : public TAudioBackend {
public:
  // The device closes after idleMs of silence with no piece open.
  explicit TSdlAudio(int idleMs = IdleMs);
  ~TSdlAudio() override;
  TSdlAudio(const TSdlAudio&) = delete;
  TSdlAudio& operator=(const TSdlAudio&) = delete;

  // True until the device has failed to open.
  bool EffectsAvailable() const override { return !DeviceFailed; }
  void PlayEffect(int item) override;
  bool OpenMusic(const std::string& path, std::string& error) override;
  void PlayMusic() override;
  void StopMusic() override;
  void CloseMusic() override;
  bool MusicPlaying() const override;

  bool DeviceOpen() const { return IsOpen; }
  // The effect that sounds now, or -1.
  int PlayingEffect() const;
  // The synthesiser, once a piece has been opened (for tests and tools).
  TMidiSynth* Synth() const { return Midi.get(); }

  // The soundfont that music uses, or empty when none is installed.
  static std::string SoundFont();

  static constexpr int IdleMs = 4000;
  // Effects a little below full scale, so that the music (at the
  // synthesiser's gain, some 25 dB below) never pushes them over it.
  static constexpr int EffectVolume = 115; // of 128

private:
  bool OpenDevice();
  void CloseDeviceWhenIdle();
  void LoadWaves();
  void FreeWaves();

  bool IsOpen = false;
  bool DeviceFailed = false;
  bool MusicOpen = false;
  int WavesRate = 0; // the device rate that the loaded effects are converted to
  int Rate = 0;
  std::array<Mix_Chunk*, 7> Waves {};
  std::unique_ptr<TMidiSynth> Midi;
  QTimer IdleTimer;
};
