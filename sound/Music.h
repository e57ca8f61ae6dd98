#pragma once

#include "sound/MidiPlayer.h"
#include "sound/MusicSettings.h"

#include <QString>
#include <QStringList>

#include <functional>


// The background music: the "*.mid" files next to the program and in the
// player's own music folder, in one name order; the piece that repeats
// while music is on, and the switch that moves on to the next piece.
class TMusicBox {
public:
  TMusicBox(TAudioBackend& backend, TMusicSettings& state);

  // Finds the first piece and, with music on, opens it without playing.
  void Start();
  // Plays the piece again when music is on and it has ended.
  void KeepAlive();
  // Off: stop and close. On: the next piece, opened and played at once.
  void Switch();
  QString CurrentName() const;

  // Told about a piece that cannot be opened.
  std::function<void(const QString&)> OnError;

  TMidiPlayer Player;

private:
  bool FindFirst();
  bool OpenCurrent();
  void Report(const std::exception& error);

  TMusicSettings& State;
  QStringList Files; // full paths
  int Current = -1;
};
