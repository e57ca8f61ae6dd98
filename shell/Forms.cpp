#include "shell/Forms.h"

#include "game/GameHost.h"
#include "scores/StatsStore.h"
#include "scores/TextScrambler.h"
#include "sound/Music.h"
#include "toolkit/BitmapList.h"

TForms::TForms(const TDlgResources& resources, TAudioBackend& audio, std::uint64_t seed)
  : mainform(resources, audio, seed)
  , OptionDlg(&mainform, resources, mainform.State, *mainform.Music)
  , YesNoDlg(&mainform, resources, mainform.State)
  , TongueDlg(&mainform, resources)
  , HighscoreDlg(&mainform, resources, mainform.ini, *mainform.Scrambler)
  , InfoDlg(&mainform, resources, mainform.State)
  , ReviewDlg(&mainform, resources, *mainform.Bmps, mainform.State, *mainform.Stats)
  , StatsDlg(&mainform, resources, *mainform.Bmps, mainform.State, *mainform.Stats)
  , DealCodeDlg(&mainform, resources)
{
  StatsDlg.Confirm = [this](const QString& question) { return YesNoDlg.ShowText(mcOwnQuestion, question) == mrYes; };
  mainform.SetDialogs({ &OptionDlg, &YesNoDlg, &TongueDlg, &HighscoreDlg, &InfoDlg, &ReviewDlg, &StatsDlg, &DealCodeDlg });
}
