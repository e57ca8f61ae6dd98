#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

struct TShellState;

// Shows the errors of the platform layers (settings, sound, rules viewer)
// to the player: in the game's language, each text once per run, and only
// once the language is known; what comes earlier waits for the answer to
// the language question.
class TErrorReporter {
public:
  explicit TErrorReporter(const TShellState& state);

  // Shows a text in the game's own message box and says whether it could
  // (it cannot while that box is busy or the window is not shown).
  std::function<bool(const QString&)> GameBox;

  // An error in English; the game's own box shows it where asked and free,
  // the standard error box otherwise.
  void Report(const QString& english, bool inGameBox);
  // The language is settled: what waited is shown.
  void LanguageKnown();

private:
  void Show(const QString& english, bool inGameBox);

  const TShellState& State;
  bool Known = false;
  QStringList Told;
  QList<std::pair<QString, bool>> Waiting;
};
