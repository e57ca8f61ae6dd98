#include "shell/Forms.h"

TForms::TForms(const TDlgResources& resources, TAudioBackend& audio, std::uint64_t seed)
  : mainform(resources, audio, seed)
  , OptionDlg(&mainform, resources, mainform.State, mainform.MusicOf())
  , YesNoDlg(&mainform, resources, mainform.State)
  , TongueDlg(&mainform, resources)
  , HighscoreDlg(&mainform, resources, mainform.ini, mainform.Scrambler)
  , InfoDlg(&mainform, resources, mainform.State)
{
  mainform.SetDialogs({ &OptionDlg, &YesNoDlg, &TongueDlg, &HighscoreDlg, &InfoDlg });
}
