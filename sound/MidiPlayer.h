#pragma once

#include <stdexcept>
#include <string>

class TAudioBackend;

// An error of the media control: its text is shown to the player.
class TMediaError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The invisible music player: one open piece at a time.
class TMidiPlayer {
public:
  explicit TMidiPlayer(TAudioBackend& backend);
  ~TMidiPlayer();

  // Each throws TMediaError: open with the backend's text, play and stop
  // when no piece is open. Opening closes the piece open before.
  void Open(const std::string& fileName);
  void Play();
  void Stop();
  void Close();
  bool Playing() const;
  bool DeviceOpen() const { return IsOpen; }

private:
  TAudioBackend& Backend;
  std::string FileName;
  bool IsOpen = false;
};
