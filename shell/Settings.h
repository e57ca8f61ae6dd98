#pragma once

#include "shell/ShellState.h"

#include <array>

class TIniCtrl;

// The options the main window keeps in the section of its own: read at start,
// written at close. A close writes only what this copy of the program
// changed (or what the file lacks), so that an option another copy changed
// and stored meanwhile is not undone.
class TSettings {
public:
  TSettings(TIniCtrl& ini, TShellState& state);

  // Reads every option; a damaged value reads as its default.
  void Read();
  // Reads the language again (the tongue and the further language), as the
  // first show does.
  void ReadTongue();
  // Writes the options changed since they were read, in one step with
  // whatever else the store's current update holds.
  void Write();

private:
  // One stored option: its key, its field, its default. Booleans are
  // stored as 1 and 0, integers in decimal.
  struct TOption {
    const QString* Key;
    bool TShellState::*Flag;
    int TShellState::*Number;
    int Default;
  };
  static constexpr std::size_t OptionCount = 6;
  static const std::array<TOption, OptionCount> Options;

  static int ValueOf(const TOption& option, const TShellState& state);
  static void SetValue(const TOption& option, TShellState& state, int value);

  TIniCtrl& Ini;
  TShellState& State;
  std::array<int, OptionCount> ReadValues {}; // as read at start, in the table's order
  QString ReadLanguage; // the further language as read

  void ReadOtherLanguage();
};
