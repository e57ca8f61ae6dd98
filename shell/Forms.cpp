#include "Forms.h"

TForms::TForms(const TDlgResources& resources, TAudioBackend& audio)
  : mainform(resources, audio)
  , OptionDlg(mainform, resources, mainform.State)
  , YesNoDlg(&mainform, resources, mainform.State)
  , TongueDlg(&mainform, resources, mainform.State)
  , InfoDlg(&mainform, resources, mainform.State)
{
  mainform.SetDialogs({ &OptionDlg, &YesNoDlg, &TongueDlg, &InfoDlg });
}
