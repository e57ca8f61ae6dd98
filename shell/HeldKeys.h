#pragma once

#include <QObject>

#include <functional>
#include <map>

class QKeyEvent;

// Tells a held key's repeats from new presses, so that an action key acts
// once however long it is held. Repeats arrive as presses flagged as such or
// (X11, when the toolkit misses the pair) as a release and a press with the
// same time stamp. A release is therefore acted on a moment later, and only
// if no such press follows; a press that comes later still with the
// release's time stamp is no new press either.
class THeldKeys final : public QObject {
public:
  // How long a release waits for the press of a repeat pair.
  static constexpr int ReleaseWaitMs = 40;

  // Whether the press starts a new hold (and should act).
  bool Pressed(const QKeyEvent& event);
  // Runs the release's action, now or after ReleaseWaitMs, unless it turns
  // out to be half of a repeat.
  void Released(const QKeyEvent& event, std::function<void()> action);

private:
  struct THold {
    unsigned long ReleasedAt = 0; // time stamp of the last release
    std::function<void()> Waiting;
  };
  std::map<int, THold> Holds;
  void RunWaiting();
};
