#include "Application.h"
#include "DlgRes.h"
#include "Forms.h"

int main(int argc, char** argv)
{
  TApplication app(argc, argv);
  TDlgResources resources;
  TForms forms(resources);
  forms.mainform.show();
  return QApplication::exec();
}
