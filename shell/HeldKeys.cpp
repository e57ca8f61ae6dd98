#include "shell/HeldKeys.h"

#include <QKeyEvent>
#include <QTimer>

bool THeldKeys::Pressed(const QKeyEvent& event)
{
  if (event.isAutoRepeat())
    return false;
  THold& hold = Holds[event.key()];
  // The release and this press were a repeat, even where a busy machine
  // delivered the press after the release had waited for it and acted.
  if (event.timestamp() != 0 && event.timestamp() == hold.ReleasedAt) {
    hold.Waiting = nullptr;
    return false;
  }
  if (!hold.Waiting)
    return true;
  std::exchange(hold.Waiting, nullptr)(); // a new press: the release first
  return true;
}

void THeldKeys::Released(const QKeyEvent& event, std::function<void()> action)
{
  if (event.isAutoRepeat())
    return;
  // Without a time stamp no press can be matched with it: act at once.
  if (event.timestamp() == 0) {
    if (action)
      action();
    return;
  }
  THold& hold = Holds[event.key()];
  if (hold.Waiting)
    std::exchange(hold.Waiting, nullptr)();
  hold.ReleasedAt = event.timestamp();
  hold.Waiting = action ? std::move(action) : [] {};
  QTimer::singleShot(ReleaseWaitMs, this, &THeldKeys::RunWaiting);
}

void THeldKeys::RunWaiting()
{
  for (auto& [key, hold] : Holds)
    if (hold.Waiting)
      std::exchange(hold.Waiting, nullptr)();
}
