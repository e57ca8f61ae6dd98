#pragma once

#include "board/BoardSettings.h"
#include "shell/Language.h"
#include "sound/MusicSettings.h"

#include <QString>

// The settings and state that the main window and its dialogs share. The
// board reads BackMode and DetectorOn from here too, the music box its own.
struct TShellState : TBoardSettings, TMusicSettings {
  int Tongue = -1; // 1 German, 0 any other, -1 not chosen; only 1 means German
  // The stored code of a language beyond German and English ("fr",
  // "pt_BR", ...); empty for German and English, and wherever it is unknown.
  QString OtherLanguage;
  bool SoundOn = true;
  bool FirstShow = true;

  // German for a tongue of 1; otherwise the other language stored, or
  // English.
  TLanguage Language() const
  {
    if (Tongue == 1)
      return lgGerman;
    const std::optional<TLanguage> other = LanguageOfCode(OtherLanguage);
    return other && *other != lgGerman && *other != lgEnglish ? *other : lgEnglish;
  }
  // Keeps the tongue's meaning: 1 for German, 0 for every other language
  // (that a copy of the program without the others reads as English).
  void SetLanguage(TLanguage language)
  {
    Tongue = language == lgGerman ? 1 : 0;
    OtherLanguage = language == lgGerman || language == lgEnglish ? QString() : LanguageCode(language);
  }
};
