#pragma once

#include "Main.h"
#include "Options.h"
#include "Tongdlg.h"
#include "YesNo.h"

class TDlgResources;

// Every window of the program, created in order: the main window first,
// then the dialogs, which it is told about once they exist.
class TForms {
public:
  explicit TForms(const TDlgResources& resources);

  Tmainform mainform;
  TOptionDlg OptionDlg;
  TYesNoDlg YesNoDlg;
  TTongueDlg TongueDlg;
};
