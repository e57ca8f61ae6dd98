#pragma once

#include "scores/highscor.h"
#include "shell/Info.h"
#include "shell/Main.h"
#include "shell/Options.h"
#include "shell/ReviewDlg.h"
#include "shell/DealCodeDlg.h"
#include "shell/StatsDlg.h"
#include "shell/Tongdlg.h"
#include "shell/YesNo.h"

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
  TReviewDlg ReviewDlg;
  TStatsDlg StatsDlg;
  TDealCodeDlg DealCodeDlg;
};
