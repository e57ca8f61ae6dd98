#include "shell/CommandLine.h"

#include <gtest/gtest.h>

#include <QTextStream>

#include <cstring>

namespace {

TEST(CommandLine, AnswersHelpAndVersionAndRefusesWhatItDoesNotKnow)
{
  struct TCase {
    QStringList Arguments;
    std::optional<int> ExitCode;
    bool Debug;
    const char* Out; // the first line printed, or nothing
    const char* Err;
  };
  const TCase cases[] = {
    { {}, std::nullopt, false, "", "" },
    { { "-debug" }, std::nullopt, true, "", "" },
    { { "/debug" }, std::nullopt, true, "", "" },
    { { "--help" }, 0, false, "Usage: trivolo [options]", "" },
    { { "-h" }, 0, false, "Usage: trivolo [options]", "" },
    { { "--version" }, 0, false, "trivolo 2.", "" },
    { { "-v", "-debug" }, 0, true, "trivolo 2.", "" },
    { { "--bogus" }, 2, false, "", "trivolo: Unknown option 'bogus'." },
    { { "-dbg" }, 2, false, "", "trivolo: Unknown option 'dbg'." },
    { { "level2" }, 2, false, "", "trivolo: Unexpected argument 'level2'." },
    // The toolkit's own options are the toolkit's.
    { { "-platform", "offscreen", "-style", "fusion", "-reverse" }, std::nullopt, false, "", "" },
  };
  for (const TCase& c : cases) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const TCommandLine line = ReadCommandLine(QStringList { "/usr/games/trivolo" } + c.Arguments, outStream, errStream);
    const std::string name = c.Arguments.join(' ').toStdString();
    EXPECT_EQ(line.ExitCode, c.ExitCode) << name;
    EXPECT_EQ(line.Debug, c.Debug) << name;
    EXPECT_EQ(out.left(static_cast<qsizetype>(std::strlen(c.Out))), QString::fromUtf8(c.Out)) << name;
    EXPECT_EQ(out.isEmpty(), *c.Out == 0) << name;
    const QString expected = *c.Err ? QString::fromUtf8(c.Err) + "\nUsage: trivolo [options]\n" : QString();
    EXPECT_EQ(err, expected) << name;
  }
}

} // namespace
