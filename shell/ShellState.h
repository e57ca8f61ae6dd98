#pragma once

#include "board/BoardSettings.h"

#include <QString>

// The settings and state that the main window and its dialogs share. The
// board reads BackMode and DetectorOn from here too.
struct TShellState : TBoardSettings {
  int Tongue = -1; // 1 German, 0 English, -1 not chosen; only 1 means German
  bool SoundOn = true;
  bool MusicOn = true;
  QString ProgramDir; // with a trailing separator
  QString UserMusicDir; // the player's own music; empty for none
  bool FirstShow = true;
  bool MusicAvailable = false;

  bool German() const { return Tongue == 1; }
};

// The German or the English text, as the language asks.
inline QString Say(const TShellState& state, const char* german, const char* english)
{
  return QString::fromUtf8(state.German() ? german : english);
}
