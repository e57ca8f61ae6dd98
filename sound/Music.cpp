#include "sound/Music.h"


#include <QDir>
#include <QFileInfo>

#include <algorithm>

TMusicBox::TMusicBox(TAudioBackend& backend, TMusicSettings& state)
  : Player(backend)
  , State(state)
{
}

bool TMusicBox::FindFirst()
{
  // Every entry named "*.mid" in the program's folder and the player's own,
  // together in name order on every machine (the program's first where two
  // share a name). A folder that is missing or cannot be read adds nothing.
  Files.clear();
  for (const QString& folder : { State.ProgramDir, State.UserMusicDir }) {
    if (folder.isEmpty())
      continue;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({ QStringLiteral("*.mid") }, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
      Files << dir.filePath(name);
  }
  std::stable_sort(Files.begin(), Files.end(), [](const QString& a, const QString& b) {
    return QString::compare(QFileInfo(a).fileName(), QFileInfo(b).fileName(), Qt::CaseSensitive) < 0;
  });
  Current = Files.isEmpty() ? -1 : 0;
  return Current >= 0;
}

QString TMusicBox::CurrentName() const
{
  return Current >= 0 && Current < Files.size() ? QFileInfo(Files[Current]).fileName() : QString();
}

void TMusicBox::Report(const std::exception& error)
{
  if (OnError)
    OnError(QString::fromUtf8(error.what()));
}

bool TMusicBox::OpenCurrent()
{
  try {
    Player.Open(Files[Current].toStdString());
    return true;
  } catch (const TMediaError& error) {
    Report(error);
    return false;
  }
}

void TMusicBox::Start()
{
  // Loading a piece loads the soundfont too (some 20 MB): with music off
  // the first piece is only found here, since a switch-on opens the next.
  State.MusicAvailable = FindFirst() && (!State.MusicOn || OpenCurrent());
}

void TMusicBox::KeepAlive()
{
  if (!State.MusicAvailable || !State.MusicOn || Player.Playing())
    return;
  try {
    Player.Play();
  } catch (const TMediaError& error) {
    // No piece open: say so once and leave the music off.
    State.MusicOn = false;
    Report(error);
  }
}

void TMusicBox::Switch()
{
  if (State.MusicOn) {
    if (Player.DeviceOpen())
      Player.Stop();
    Player.Close();
    State.MusicOn = false;
    return;
  }
  if (Current >= 0 && Current + 1 < Files.size())
    ++Current;
  else
    FindFirst();
  State.MusicOn = Current >= 0;
  if (!State.MusicOn)
    return;
  if (!OpenCurrent()) {
    State.MusicOn = false;
    return;
  }
  Player.Play();
}
