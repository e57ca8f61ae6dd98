#include "IniCtrl.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A store of its own for every test.
TIniCtrl FreshStore()
{
  return TIniCtrl(QStringLiteral("TrivoloTest"), QUuid::createUuid().toString(QUuid::Id128));
}

TEST(IniCtrl, StoresEverythingAsTextWithTheDefaultsOnBadValues)
{
  TIniCtrl ini = FreshStore();
  ini.WriteBool("common", "sound", true);
  ini.WriteBool("common", "music", false);
  ini.WriteInteger("common", "tongue", -1);
  EXPECT_EQ(ini.ReadString("common", "sound", "x"), "1");
  EXPECT_EQ(ini.ReadString("common", "music", "x"), "0");
  EXPECT_EQ(ini.ReadString("common", "tongue", "x"), "-1");

  struct TCase {
    const char* Stored;
    int Integer; // read with default 7
    bool Bool;   // read with default true
  };
  const TCase cases[] = {
    { "2", 2, true }, { "-1", -1, true }, { "0", 0, false }, { "yes", 7, true }, { "12abc", 7, true }, { "", 7, true },
  };
  for (const auto& c : cases) {
    ini.WriteString("common", "value", c.Stored);
    EXPECT_EQ(ini.ReadInteger("common", "value", 7), c.Integer) << c.Stored;
    EXPECT_EQ(ini.ReadBool("common", "value", true), c.Bool) << c.Stored;
  }
  EXPECT_EQ(ini.ReadInteger("common", "missing", 42), 42);
  EXPECT_FALSE(ini.ReadBool("other", "missing", false));
  EXPECT_EQ(ini.ReadString("common", "missing", "fallback"), "fallback");
}

TEST(IniCtrl, StringsRoundTripAndEveryOperationStandsAlone)
{
  TIniCtrl writer = FreshStore();
  const QStringList texts = { "200,0,1,100,50,900,650", "  leading blanks", "@Variant(x)", "Grüße, Jürgen", "a=b;c" };
  for (const QString& text : texts) {
    writer.WriteString("common", "player", text);
    // Another store on the same file sees the value at once.
    const TIniCtrl reader(QStringLiteral("TrivoloTest"), QFileInfo(writer.FileName()).completeBaseName());
    EXPECT_EQ(reader.ReadString("common", "player", QString()), text);
  }
  writer.DeleteValue("common", "player");
  EXPECT_EQ(writer.ReadString("common", "player", "gone"), "gone");
}

TEST(IniCtrl, AFolderInPlaceOfTheFileGivesDefaultsAndOneReport)
{
  TIniCtrl ini = FreshStore();
  ASSERT_TRUE(QDir().mkpath(ini.FileName()));
  QStringList reports;
  ini.OnError = [&reports](const QString& text) { reports << text; };
  EXPECT_EQ(ini.ReadInteger("common", "tongue", -1), -1);
  ini.WriteInteger("common", "tongue", 1);
  ini.WriteBool("common", "sound", false);
  ASSERT_EQ(reports.size(), 1);
  EXPECT_TRUE(reports[0].contains("tongue"));
  EXPECT_TRUE(QFileInfo(ini.FileName()).isDir());
}

TEST(IniCtrl, ADamagedFileIsNotOverwritten)
{
  TIniCtrl ini = FreshStore();
  ini.WriteString("common", "player", "Ann");
  QFile file(ini.FileName());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  const QByteArray damaged = "[common]\nplayer=Ann\n\"unterminated=\n\xff\xfe\x00garbage[[[\n";
  file.write(damaged);
  file.close();
  QStringList reports;
  ini.OnError = [&reports](const QString& text) { reports << text; };
  (void)ini.ReadString("common", "player", "default");
  ini.WriteString("common", "player", "Bob");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray after = file.readAll();
  // Either the file was readable enough to update, or it was left as it was.
  if (reports.isEmpty())
    EXPECT_EQ(ini.ReadString("common", "player", ""), "Bob");
  else
    EXPECT_EQ(after, damaged);
}

TEST(IniCtrl, AWriterKilledMidWriteLeavesAWholeFile)
{
  TIniCtrl ini = FreshStore();
  const QString big(20000, QLatin1Char('x'));
  ini.WriteString("common", "a", big);
  for (int attempt = 0; attempt < 5; ++attempt) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      TIniCtrl writer(QStringLiteral("TrivoloTest"), QFileInfo(ini.FileName()).completeBaseName());
      for (int i = 0;; ++i)
        writer.WriteString("common", "a", QString(20000, QLatin1Char(static_cast<char>('a' + i % 26))));
    }
    usleep(30000 + 7000 * attempt);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const QString value = ini.ReadString("common", "a", QString());
    ASSERT_EQ(value.size(), 20000) << "attempt " << attempt;
    EXPECT_EQ(value.count(value[0]), 20000);
  }
}

} // namespace
