#pragma once

#include <QString>

// The settings and state the music box reads and keeps; the shell owns them.
struct TMusicSettings {
  bool MusicOn = true;
  bool MusicAvailable = false;
  QString ProgramDir; // the game's own pieces lie here (with a trailing separator)
  QString UserMusicDir; // the player's own music; empty for none
};
