#include "Application.h"
#include "DlgRes.h"
#include "Forms.h"
#include "SdlAudio.h"

int main(int argc, char** argv)
{
  TApplication app(argc, argv);
  TDlgResources resources;
  TSdlAudio audio;
  TForms forms(resources, audio);
  forms.mainform.show();
  return QApplication::exec();
}
