#pragma once

#include "shell/Audio.h"

#include <array>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// Sound through SDL2_mixer: the seven effects are loaded once from the
// program's resources; MIDI music plays through FluidSynth with a
// General-MIDI soundfont.
class TSdlAudio final : public TAudioBackend {
public:
  TSdlAudio();
  ~TSdlAudio() override;
  TSdlAudio(const TSdlAudio&) = delete;
  TSdlAudio& operator=(const TSdlAudio&) = delete;

  bool EffectsAvailable() const override { return DeviceOpen; }
  void PlayEffect(int item) override;
  bool OpenMusic(const std::string& path, std::string& error) override;
  void PlayMusic() override;
  void StopMusic() override;
  void CloseMusic() override;
  bool MusicPlaying() const override;

  // The soundfont that music uses, or empty when none is installed.
  static std::string SoundFont();

private:
  bool DeviceOpen = false;
  std::array<Mix_Chunk*, 7> Waves {};
  Mix_Music* Music = nullptr;
};
