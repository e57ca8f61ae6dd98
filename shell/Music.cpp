#include "shell/Music.h"

#include "shell/ShellState.h"

#include <QDir>

TMusicBox::TMusicBox(TAudioBackend& backend, TShellState& state)
  : Player(backend)
  , State(state)
{
}

bool TMusicBox::FindFirst()
{
  // Every entry named "*.mid", in name order on every machine.
  Files = QDir(State.ProgramDir).entryList({ QStringLiteral("*.mid") }, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  Current = Files.isEmpty() ? -1 : 0;
  return Current >= 0;
}

QString TMusicBox::CurrentName() const
{
  return Current >= 0 && Current < Files.size() ? Files[Current] : QString();
}

void TMusicBox::Report(const std::exception& error)
{
  if (OnError)
    OnError(QString::fromUtf8(error.what()));
}

bool TMusicBox::OpenCurrent()
{
  try {
    Player.Open((State.ProgramDir + CurrentName()).toStdString());
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
