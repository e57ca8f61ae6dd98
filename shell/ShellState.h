#pragma once

#include "board/BoardSettings.h"
#include "sound/MusicSettings.h"

#include <QString>

// The settings and state that the main window and its dialogs share. The
// board reads BackMode and DetectorOn from here too, the music box its own.
struct TShellState : TBoardSettings, TMusicSettings {
  int Tongue = -1; // 1 German, 0 English, -1 not chosen; only 1 means German
  bool SoundOn = true;
  bool FirstShow = true;

  bool German() const { return Tongue == 1; }
};

// The German or the English text, as the language asks.
inline QString Say(const TShellState& state, const char* german, const char* english)
{
  return QString::fromUtf8(state.German() ? german : english);
}
