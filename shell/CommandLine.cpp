#include "shell/CommandLine.h"

#include "shell/Version.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

namespace {

// The toolkit's own options, which it takes before the program sees them
// (those with a value first).
const char* const ToolkitValueOptions[] = { "platform", "platformpluginpath", "platformtheme", "plugin", "display", "style",
  "stylesheet", "qwindowgeometry", "qwindowtitle", "qwindowicon", "geometry", "name", "title", "visual", "session" };
const char* const ToolkitFlags[] = { "reverse", "widgetcount", "nograb", "dograb", "sync" };

QString ProgramName(const QStringList& arguments)
{
  return arguments.isEmpty() ? QStringLiteral("trivolo") : QFileInfo(arguments.first()).fileName();
}

QString Usage(const QStringList& arguments)
{
  return QStringLiteral("Usage: %1 [options]").arg(ProgramName(arguments));
}

QString HelpText(const QStringList& arguments)
{
  return Usage(arguments) + QStringLiteral("\n"
                                           "Trivolo, a card game: find three cards that are all alike or all different\n"
                                           "in every attribute.\n"
                                           "\n"
                                           "Options:\n"
                                           "  -h, --help     Show this help and exit.\n"
                                           "  -v, --version  Show the version and exit.\n"
                                           "  -debug         Keep a log of the rules viewer's calls in\n"
                                           "                 ~/.local/share/trivolo/HHDebug.txt.\n");
}

} // namespace

TCommandLine ReadCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
  QCommandLineParser parser;
  // "-debug" is one option, not the letters d, e, b, u and g.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList { QStringLiteral("h"), QStringLiteral("help") });
  const QCommandLineOption version(QStringList { QStringLiteral("v"), QStringLiteral("version") });
  const QCommandLineOption debug(QStringLiteral("debug"));
  parser.addOptions({ help, version, debug });
  for (const char* name : ToolkitValueOptions)
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
  for (const char* name : ToolkitFlags)
    parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
  parser.addPositionalArgument(QStringLiteral("/debug"), QString());

  TCommandLine result;
  const auto refuse = [&](const QString& error) {
    err << ProgramName(arguments) << ": " << error << '\n' << Usage(arguments) << '\n';
    err.flush();
    result.ExitCode = 2;
    return result;
  };
  if (!parser.parse(arguments))
    return refuse(parser.errorText());
  for (const QString& argument : parser.positionalArguments())
    if (argument != QLatin1String("/debug"))
      return refuse(QStringLiteral("Unexpected argument '%1'.").arg(argument));
  if (parser.isSet(help)) {
    out << HelpText(arguments);
    out.flush();
    result.ExitCode = 0;
  } else if (parser.isSet(version)) {
    out << "trivolo " TRIVOLO_VERSION_NUMBER "\n";
    out.flush();
    result.ExitCode = 0;
  }
  result.Debug = parser.isSet(debug) || parser.positionalArguments().contains(QLatin1String("/debug"));
  return result;
}
