#include "assets/DlgRes.h"
#include "shell/Application.h"
#include "shell/Forms.h"
#include "shell/LazyAudio.h"

int main(int argc, char** argv)
{
  TApplication app(argc, argv);
  TDlgResources resources;
  TLazyAudio audio;
  TForms forms(resources, audio);
  forms.mainform.show();
  return QApplication::exec();
}
