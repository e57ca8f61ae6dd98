#include "Forms.h"

TForms::TForms(const TDlgResources& resources)
  : mainform(resources)
  , OptionDlg(mainform, resources, mainform.State)
  , YesNoDlg(&mainform, resources, mainform.State)
  , TongueDlg(&mainform, resources, mainform.State)
{
  mainform.SetDialogs({ &OptionDlg, &YesNoDlg, &TongueDlg });
}
