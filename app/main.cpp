#include "assets/DlgRes.h"
#include "shell/Application.h"
#include "shell/CommandLine.h"
#include "shell/Forms.h"
#include "shell/LazyAudio.h"

#include <QTextStream>

int main(int argc, char** argv)
{
  // The help, the version and a refused argument need no window: they are
  // answered before the toolkit connects to the display.
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  QTextStream out(stdout);
  QTextStream err(stderr);
  if (const auto exitCode = ReadCommandLine(arguments, out, err).ExitCode)
    return *exitCode;

  TApplication app(argc, argv);
  TDlgResources resources;
  TLazyAudio audio;
  TForms forms(resources, audio);
  forms.mainform.show();
  return QApplication::exec();
}
