#pragma once

#include "Info.h"
#include "Main.h"
#include "Options.h"
#include "Tongdlg.h"
#include "YesNo.h"
#include "highscor.h"

class TDlgResources;

// Every window of the program, created in order: the main window first,
// then the dialogs, which it is told about once they exist.
class TForms {
public:
  TForms(const TDlgResources& resources, TAudioBackend& audio, std::uint64_t seed = TPcgRandom::ClockSeed());

  Tmainform mainform;
  TOptionDlg OptionDlg;
  TYesNoDlg YesNoDlg;
  TTongueDlg TongueDlg;
  THighscoreDlg HighscoreDlg;
  TInfoDlg InfoDlg;
};
