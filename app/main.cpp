#include "assets/DlgRes.h"
#include "shell/Application.h"
#include "shell/CommandLine.h"
#include "shell/Forms.h"
#include "sound/LazyAudio.h"

#include <QFileInfo>
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

  // Without a session bus of the desktop's, D-Bus would start one for the
  // accessibility bridge (dbus-launch) that outlives the game: none is
  // started, and accessibility simply stays off.
  if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QFileInfo(runtime + QStringLiteral("/bus")).exists())
      qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  }

  TApplication app(argc, argv);
  TDlgResources resources;
  TLazyAudio audio;
  TForms forms(resources, audio);
  forms.mainform.show();
  return QApplication::exec();
}
