#include "sound/MidiPlayer.h"

#include "sound/Audio.h"

TMidiPlayer::TMidiPlayer(TAudioBackend& backend)
  : Backend(backend)
{
}

TMidiPlayer::~TMidiPlayer()
{
  Close();
}

void TMidiPlayer::Open(const std::string& fileName)
{
  if (IsOpen)
    Close();
  FileName = fileName;
  std::string error;
  if (!Backend.OpenMusic(FileName, error))
    throw TMediaError(error.empty() ? "Unbekannter Fehler-Code" : error);
  IsOpen = true;
}

void TMidiPlayer::Play()
{
  if (!IsOpen)
    throw TMediaError("Kein MCI-Gerät geöffnet");
  Backend.PlayMusic();
}

void TMidiPlayer::Stop()
{
  if (!IsOpen)
    throw TMediaError("Kein MCI-Gerät geöffnet");
  Backend.StopMusic();
}

void TMidiPlayer::Close()
{
  if (!IsOpen)
    return;
  Backend.CloseMusic();
  IsOpen = false;
}

bool TMidiPlayer::Playing() const
{
  return IsOpen && Backend.MusicPlaying();
}
