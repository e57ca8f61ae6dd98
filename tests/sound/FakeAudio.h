#pragma once

#include "sound/Audio.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <functional>

// Records what the sound layer asks of the platform. A piece opens when its
// file exists and is not listed in Broken.
class TFakeAudio final : public TAudioBackend {
public:
  QStringList Calls;
  QStringList Broken;
  bool Device = true;
  bool Playing = false;
  bool NoDevice = false; // as a machine without sound: every piece fails to open
  std::function<void()> WhenPlayed;

  bool EffectsAvailable() const override { return Device; }
  void PlayEffect(int item) override { Calls << QStringLiteral("effect %1").arg(item); }
  bool OpenMusic(const std::string& path, std::string& error) override
  {
    const QString name = QFileInfo(QString::fromStdString(path)).fileName();
    if (NoDevice) {
      error = "There is no audio device to play music on.";
      return false;
    }
    if (!QFileInfo(QString::fromStdString(path)).isFile() || Broken.contains(name)) {
      error = "cannot open " + name.toStdString();
      return false;
    }
    Calls << QStringLiteral("open %1").arg(name);
    return true;
  }
  void PlayMusic() override
  {
    Calls << QStringLiteral("play");
    Playing = true;
    if (WhenPlayed)
      WhenPlayed();
  }
  void StopMusic() override
  {
    Calls << QStringLiteral("stop");
    Playing = false;
  }
  void CloseMusic() override { Calls << QStringLiteral("close"); }
  bool MusicPlaying() const override { return Playing; }

  QStringList Take()
  {
    QStringList taken;
    taken.swap(Calls);
    return taken;
  }
};
