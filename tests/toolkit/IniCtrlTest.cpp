#include "toolkit/IniCtrl.h"
#include "toolkit/IniText.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <QSettings>
#include <QSysInfo>

#include <csignal>
#include <cstdio>
#include <functional>
#include <random>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
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

TEST(IniCtrl, KeepsTheFileFormatOfQtSettingsBothWays)
{
  TIniCtrl ini = FreshStore();
  const QStringList texts = { "plain", "200,0,1,100,50,900,650", " lead", "trail ", "@at", "@@twice", "a;b", "a\"b",
    "a\\b", "a=b", "#c", ";c", "[x]", "", "Grüße, Jürgen", QString::fromUtf8("😀 x"), "tab\there", "nl\nx",
    QString(QChar(1)) + "a", "%20" };
  for (int i = 0; i < texts.size(); ++i)
    ini.WriteString("common", QStringLiteral("k%1").arg(i), texts[i]);
  {
    const QSettings settings(ini.FileName(), QSettings::IniFormat);
    for (int i = 0; i < texts.size(); ++i)
      EXPECT_EQ(settings.value(QStringLiteral("common/k%1").arg(i)).toString(), texts[i]) << i;
  }
  QFile::remove(ini.FileName());
  {
    QSettings settings(ini.FileName(), QSettings::IniFormat);
    for (int i = 0; i < texts.size(); ++i)
      settings.setValue(QStringLiteral("common/k%1").arg(i), texts[i]);
    settings.setValue("common/list", QStringList { "a", "b" }); // a hand-edited a,b
  }
  for (int i = 0; i < texts.size(); ++i)
    EXPECT_EQ(ini.ReadString("common", QStringLiteral("k%1").arg(i), "-"), texts[i]) << i;
  EXPECT_EQ(ini.ReadString("common", "list", "-"), "a,b");
}

TEST(IniCtrl, AFailedWriteIsToldOnceAndChangesNothing)
{
  TIniCtrl ini = FreshStore();
  ASSERT_TRUE(QDir().mkpath(ini.FileName()));
  QStringList reports;
  ini.OnError = [&reports](const QString& text) { reports << text; };
  EXPECT_EQ(ini.ReadInteger("common", "tongue", -1), -1);
  ini.BeginUpdate();
  ini.WriteInteger("common", "tongue", 1);
  ini.WriteBool("common", "sound", false);
  EXPECT_FALSE(ini.EndUpdate());
  ASSERT_EQ(reports.size(), 1);
  EXPECT_TRUE(reports[0].contains("not saved: tongue, sound")) << reports[0].toStdString();
  EXPECT_TRUE(QFileInfo(ini.FileName()).isDir());
  EXPECT_EQ(ini.ReadInteger("common", "tongue", -1), -1);
  ini.WriteInteger("common", "tongue", 0); // every failure is told
  EXPECT_EQ(reports.size(), 2);
}

// Damaged and hand-edited files: every read gives one consistent answer from
// the first on, and a write changes its own line and nothing else.
TEST(IniCtrl, ReadsDamagedFilesConsistentlyAndWritesKeepEveryOtherLine)
{
  struct TCase {
    const char* Before;
    int Tongue; // read with default -1
    const char* After; // once tongue is written as 0
  };
  const TCase cases[] = {
    { "[common]\ntongue=1\n[x\n", 1, "[common]\ntongue=0\n[x\n" },
    { "[common]\n[x\ntongue=1\n", -1, "[common]\ntongue=0\n[x\ntongue=1\n" },
    { "[other]\nno equals sign\nkeep=me\n[common]\ntongue=1\n", 1, "[other]\nno equals sign\nkeep=me\n[common]\ntongue=0\n" },
    { "\xff\xfe garbage[[[\n[common]\ntongue=1\n", 1, "\xff\xfe garbage[[[\n[common]\ntongue=0\n" },
    { ";comment\n# note\n[common]\n  tongue = 1  \nplayer=Ann\n\n[more]\nx=\"y\n", 1,
      ";comment\n# note\n[common]\ntongue=0\nplayer=Ann\n\n[more]\nx=\"y\n" },
    { "[common]\r\ntongue=1\r\n", 1, "[common]\r\ntongue=0\r\n" },
    { "[common]\ntongue=1\ntongue=7\n", 7, "[common]\ntongue=1\ntongue=0\n" },
    { "[common]\nplayer=Ann\n\n[other]\nx=1\n", -1, "[common]\nplayer=Ann\ntongue=0\n\n[other]\nx=1\n" },
    { "[other]\nx=1", -1, "[other]\nx=1\n\n[common]\ntongue=0\n" },
    { "", -1, "[common]\ntongue=0\n" },
    // A byte-order mark is read past and left out; lines that end in a CR
    // alone are lines.
    { "\xEF\xBB\xBF[common]\ntongue=1\nplayer=Ann\n", 1, "[common]\ntongue=0\nplayer=Ann\n" },
    { "\xEF\xBB\xBF[common]\r\ntongue=1\r\n", 1, "[common]\r\ntongue=0\r\n" },
    { "[common]\rtongue=1\rplayer=Ann\r", 1, "[common]\ntongue=0\nplayer=Ann\n" },
    { "[other]\rx=1\r\r[common]\rtongue=1", 1, "[other]\nx=1\n\n[common]\ntongue=0\n" },
  };
  for (const auto& c : cases) {
    TIniCtrl ini = FreshStore();
    QDir().mkpath(QFileInfo(ini.FileName()).absolutePath());
    QFile file(ini.FileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.Before);
    file.close();
    QStringList reports;
    ini.OnError = [&reports](const QString& text) { reports << text; };
    for (int read = 0; read < 2; ++read)
      EXPECT_EQ(ini.ReadInteger("common", "tongue", -1), c.Tongue) << c.Before;
    ini.WriteInteger("common", "tongue", 0);
    EXPECT_TRUE(reports.isEmpty()) << c.Before;
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(c.After)) << c.Before;
    file.close();
  }
}

// Something that is no regular file at the settings path (a pipe, which
// would block a plain reader for ever, a device, a folder) reads as the
// defaults at once, and is reported at the start and at every write.
TEST(IniCtrl, OnlyARegularFileIsRead)
{
  enum TKind { kPipe, kDevice, kFolder };
  for (const TKind kind : { kPipe, kDevice, kFolder }) {
    TIniCtrl ini = FreshStore();
    const QByteArray path = QFile::encodeName(ini.FileName());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(ini.FileName()).absolutePath()));
    if (kind == kPipe)
      ASSERT_EQ(mkfifo(path.constData(), 0600), 0);
    else if (kind == kDevice)
      ASSERT_EQ(symlink("/dev/zero", path.constData()), 0);
    else
      ASSERT_TRUE(QDir().mkpath(ini.FileName()));
    QStringList reports;
    ini.OnError = [&reports](const QString& text) { reports << text; };
    EXPECT_EQ(ini.ReadInteger("common", "tongue", -1), -1) << kind;
    ini.CheckFile();
    ASSERT_EQ(reports.size(), 1) << kind;
    EXPECT_TRUE(reports[0].contains("not a regular file")) << reports[0].toStdString();
    ini.WriteInteger("common", "tongue", 1);
    EXPECT_EQ(reports.size(), 2) << kind;
  }
}

// A write killed between writing its temporary file and renaming it leaves
// the temporary behind; later writes and the start remove it once it is a
// minute old, and nothing else.
TEST(IniCtrl, TemporariesOfDeadWritesAreRemoved)
{
  TIniCtrl ini = FreshStore();
  ini.WriteInteger("common", "tongue", 1);
  const QString base = ini.FileName();
  const auto make = [](const QString& path, int ageSeconds) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("[common]\ntongue=0\n");
    file.flush();
    file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
  };
  const QStringList stale = { base + ".AbC123", base + ".x9Y8z7" };
  const QStringList kept = { base + ".Fresh1", base + ".bak", base + ".AbC12", base + ".AbC1234", base + ".ab-123",
    QFileInfo(base).absolutePath() + "/other.ini.AbC123" };
  for (const QString& path : stale)
    make(path, 120);
  for (const QString& path : kept)
    make(path, path.endsWith("Fresh1") ? 0 : 120);
  ini.CheckFile();
  for (const QString& path : stale)
    EXPECT_FALSE(QFile::exists(path)) << path.toStdString();
  for (const QString& path : kept)
    EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
  make(stale[0], 120);
  ini.WriteInteger("common", "tongue", 0);
  EXPECT_FALSE(QFile::exists(stale[0]));
  EXPECT_EQ(ini.ReadInteger("common", "tongue", -1), 0);
}

// An edit sees the file as it is stored at the moment of the write, and
// inside an update the reads see what the update has edited.
TEST(IniCtrl, AnEditMergesWithWhatIsStoredNow)
{
  TIniCtrl mine = FreshStore();
  TIniCtrl other(QStringLiteral("TrivoloTest"), QFileInfo(mine.FileName()).completeBaseName());
  mine.WriteInteger("common", "count", 1);
  other.WriteInteger("common", "count", 5);
  const auto addOne = [](TIniText& text) {
    text.SetValue("common", "count", QString::number(text.Value("common", "count").value_or("0").toInt() + 1));
  };
  mine.BeginUpdate();
  mine.Edit({ "count" }, addOne);
  EXPECT_EQ(mine.ReadInteger("common", "count", 0), 6);
  other.WriteInteger("common", "count", 10);
  EXPECT_EQ(mine.ReadInteger("common", "count", 0), 11);
  EXPECT_TRUE(mine.EndUpdate());
  EXPECT_EQ(other.ReadInteger("common", "count", 0), 11);
}

TEST(IniCtrl, ALockThatCannotBeTakenFailsTheWriteInSeconds)
{
  TIniCtrl ini = FreshStore();
  ini.WriteInteger("common", "tongue", 1);
  QStringList reports;
  ini.OnError = [&reports](const QString& text) { reports << text; };
  const QString lock = ini.FileName() + ".lock";

  // A folder in the lock's place, then a fresh lock file nobody can read.
  ASSERT_TRUE(QDir().mkpath(lock));
  ini.WriteInteger("common", "tongue", 0);
  ASSERT_TRUE(QDir(lock).removeRecursively());
  QFile garbage(lock);
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
  garbage.write("\x01\x02 not a lock\n");
  garbage.close();
  ini.WriteInteger("common", "tongue", 0);
  EXPECT_EQ(reports.size(), 2);
  EXPECT_EQ(ini.ReadInteger("common", "tongue", -1), 1);

  // The lock of a process that is gone is cleared at once.
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
  garbage.write("2147483646\ntrivolo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  garbage.close();
  ini.WriteInteger("common", "tongue", 0);
  EXPECT_EQ(reports.size(), 2);
  EXPECT_EQ(ini.ReadInteger("common", "tongue", -1), 0);
}

// Runs the body in a child process with a private mount namespace, where
// the store's folder is a small file system of its own. Returns the
// child's exit code; 77 when the machine gives no such namespace.
int InPrivateFileSystem(const QString& folder, const std::function<int()>& body)
{
  const pid_t child = fork();
  if (child == 0) {
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
      || mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=256k") != 0)
      _exit(77);
    _exit(body());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(IniCtrl, AFullDiskOrAReadOnlyFolderKeepsWhatIsStored)
{
  const QString name = QUuid::createUuid().toString(QUuid::Id128);
  const TIniCtrl probe(QStringLiteral("TrivoloTest"), name + "/V2");
  const QString folder = QFileInfo(probe.FileName()).absolutePath();
  ASSERT_TRUE(QDir().mkpath(folder));
  enum TFault { fFull, fNearlyFull, fReadOnly };
  for (const TFault fault : { fFull, fNearlyFull, fReadOnly }) {
    const int result = InPrivateFileSystem(folder, [&] {
      TIniCtrl ini(QStringLiteral("TrivoloTest"), name + "/V2");
      int reports = 0;
      ini.OnError = [&reports](const QString& text) {
        ++reports;
        std::fprintf(stderr, "told: %s\n", qPrintable(text));
      };
      const auto table = [&](const QString& player) {
        ini.BeginUpdate();
        for (int i = 0; i < 15; ++i)
          ini.WriteString("common", QStringLiteral("hs%1").arg(i), QStringLiteral("%1,%2").arg(100 - i).arg(player));
        return ini.EndUpdate();
      };
      const auto holds = [&](const QString& player) {
        const TIniCtrl reader(QStringLiteral("TrivoloTest"), name + "/V2");
        for (int i = 0; i < 15; ++i) {
          const QString row = QStringLiteral("%1,%2").arg(100 - i).arg(player);
          if (ini.ReadString("common", QStringLiteral("hs%1").arg(i), "") != row
            || reader.ReadString("common", QStringLiteral("hs%1").arg(i), "") != row)
            return false;
        }
        return true;
      };
      if (!table("Ann") || !holds("Ann"))
        return 1;
      QFile filler(folder + "/filler");
      if (fault == fReadOnly) {
        if (mount(nullptr, folder.toLocal8Bit().constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
          return 77;
      } else {
        filler.open(QIODevice::WriteOnly);
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        // Room for the lock, none for the new file.
        if (fault == fNearlyFull)
          filler.resize(filler.size() - 4096);
        filler.close();
      }
      if (table("Bob") || reports != 1)
        return 2; // the failure was not told, or told twice
      if (!holds("Ann"))
        return 3;
      if (fault == fReadOnly)
        return 0;
      filler.remove();
      return table("Bob") && holds("Bob") && reports == 1 ? 0 : 4;
    });
    if (result == 77)
      GTEST_SKIP() << "SKIPPED: this machine gives no private mount namespace for a small file system";
    EXPECT_EQ(result, 0) << "fault " << fault;
  }
}

TEST(IniCtrl, AnUpdateKilledAtAnyMomentLeavesTheOldOrTheNewTable)
{
  TIniCtrl ini = FreshStore();
  const auto write = [](TIniCtrl& store, char name) {
    store.BeginUpdate();
    store.WriteString("common", "player", QString(name));
    for (int i = 0; i < 15; ++i)
      store.WriteString("common", QStringLiteral("hs%1").arg(i), QStringLiteral("%1,%2").arg(i).arg(name));
    store.EndUpdate();
  };
  write(ini, 'a');
  std::mt19937 random(12345);
  for (int attempt = 0; attempt < 12; ++attempt) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      TIniCtrl writer(QStringLiteral("TrivoloTest"), QFileInfo(ini.FileName()).completeBaseName());
      for (int i = 0;; ++i)
        write(writer, static_cast<char>('a' + i % 26));
    }
    usleep(2000 + random() % 40000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const QString player = ini.ReadString("common", "player", QString());
    ASSERT_EQ(player.size(), 1) << "attempt " << attempt;
    for (int i = 0; i < 15; ++i)
      EXPECT_EQ(ini.ReadString("common", QStringLiteral("hs%1").arg(i), QString()), QStringLiteral("%1,%2").arg(i).arg(player))
        << "attempt " << attempt;
  }
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
