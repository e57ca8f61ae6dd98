#pragma once

#include <QStringList>

#include <optional>

class QTextStream;

// What the command line asks of the program. Besides the help layer's log
// ("-debug", or "/debug" as the program has always accepted) it answers
// -h/--help and -v/--version, and refuses what it does not know. The
// options of the toolkit itself (-platform, -display, -style …) pass.
struct TCommandLine {
  bool Debug = false;
  // Set when the program is only to print and end, with this exit code:
  // 0 after the help or the version, 2 after an error.
  std::optional<int> ExitCode;
};

// Reads the arguments (the program's own name first), printing the help or
// the version to out and errors to err.
TCommandLine ReadCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
