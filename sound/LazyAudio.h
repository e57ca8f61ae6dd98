#pragma once

#include "sound/Audio.h"

#include <memory>

// The program's sound, loaded when it is first needed: the sound library
// (SDL, its mixer and FluidSynth, with some forty libraries of their own)
// is a module of its own, so that a program that has not yet made a sound
// neither waits for it at start nor keeps it in memory. The module lies
// next to the program, or in lib/games/trivolo beside the program's folder.
class TLazyAudio final : public TAudioBackend {
public:
  TLazyAudio();
  ~TLazyAudio() override;

  bool EffectsAvailable() const override;
  void PlayEffect(int item) override;
  bool OpenMusic(const std::string& path, std::string& error) override;
  void PlayMusic() override;
  void StopMusic() override;
  void CloseMusic() override;
  bool MusicPlaying() const override;

private:
  // The loaded backend, or none when the module cannot be loaded.
  TAudioBackend* Backend() const;

  mutable std::unique_ptr<TAudioBackend> Loaded;
  mutable bool Tried = false;
  mutable std::string LoadError;
};
