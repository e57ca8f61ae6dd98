#include "shell/ErrorReporter.h"

#include "shell/Application.h"
#include "shell/ErrorTexts.h"
#include "shell/ShellState.h"

TErrorReporter::TErrorReporter(const TShellState& state)
  : State(state)
{
}

void TErrorReporter::Report(const QString& english, bool inGameBox)
{
  if (Told.contains(english))
    return;
  Told << english;
  if (Known)
    Show(english, inGameBox);
  else
    Waiting.append({ english, inGameBox });
}

void TErrorReporter::LanguageKnown()
{
  Known = true;
  for (const auto& [english, inGameBox] : std::exchange(Waiting, {}))
    Show(english, inGameBox);
}

void TErrorReporter::Show(const QString& english, bool inGameBox)
{
  const QString said = SayError(english);
  if (!inGameBox || !GameBox || !GameBox(said))
    ShowErrorBox(said);
}
