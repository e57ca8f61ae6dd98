#pragma once

#include <string>

// What the sound layer needs of the platform: effects from memory on one
// channel, and one piece of MIDI music at a time.
class TAudioBackend {
public:
  virtual ~TAudioBackend() = default;

  // False when there is no waveform output device.
  virtual bool EffectsAvailable() const = 0;
  // Plays wave item 0..6; a new effect cuts off the one still sounding.
  virtual void PlayEffect(int item) = 0;

  // Loads a piece; on failure returns the backend's error text (possibly
  // empty) and keeps nothing open.
  virtual bool OpenMusic(const std::string& path, std::string& error) = 0;
  virtual void PlayMusic() = 0; // from the start
  virtual void StopMusic() = 0;
  virtual void CloseMusic() = 0;
  virtual bool MusicPlaying() const = 0;
};
