#include "sound/LazyAudio.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {

using TMakeAudio = TAudioBackend* (*)();

} // namespace

TLazyAudio::TLazyAudio() = default;

TLazyAudio::~TLazyAudio() = default;

TAudioBackend* TLazyAudio::Backend() const
{
  if (Tried)
    return Loaded.get();
  Tried = true;
  const QString folder = QCoreApplication::applicationDirPath();
  for (const QString& path : { folder + QStringLiteral("/libtrivolo_audio.so"), folder + QStringLiteral("/../lib/games/trivolo/libtrivolo_audio.so") }) {
    if (!QFileInfo::exists(path))
      continue;
    QLibrary module(path);
    // The module stays loaded for the rest of the run: the backend's code
    // lives in it.
    if (const auto make = reinterpret_cast<TMakeAudio>(module.resolve("TrivoloMakeAudio"))) {
      Loaded.reset(make());
      return Loaded.get();
    }
    LoadError = module.errorString().toStdString();
    return nullptr;
  }
  LoadError = "The sound library libtrivolo_audio.so is missing.";
  return nullptr;
}

bool TLazyAudio::EffectsAvailable() const
{
  // Until the first sound the module is not asked; a device that then
  // fails to open makes the backend say so.
  return !Tried || (Loaded && Loaded->EffectsAvailable());
}

void TLazyAudio::PlayEffect(int item)
{
  if (TAudioBackend* backend = Backend())
    backend->PlayEffect(item);
}

bool TLazyAudio::OpenMusic(const std::string& path, std::string& error)
{
  if (TAudioBackend* backend = Backend())
    return backend->OpenMusic(path, error);
  error = LoadError;
  return false;
}

void TLazyAudio::PlayMusic()
{
  if (Loaded)
    Loaded->PlayMusic();
}

void TLazyAudio::StopMusic()
{
  if (Loaded)
    Loaded->StopMusic();
}

void TLazyAudio::CloseMusic()
{
  if (Loaded)
    Loaded->CloseMusic();
}

bool TLazyAudio::MusicPlaying() const
{
  return Loaded && Loaded->MusicPlaying();
}
