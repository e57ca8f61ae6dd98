#include "shell/Settings.h"

#include "scores/StoredKeys.h"
#include "toolkit/IniCtrl.h"
#include "toolkit/IniText.h"

#include <QStringList>

// In the order a close writes them.
const std::array<TSettings::TOption, TSettings::OptionCount> TSettings::Options { {
  { &StoredKey::Sound, &TShellState::SoundOn, nullptr, 1 },
  { &StoredKey::Music, &TShellState::MusicOn, nullptr, 1 },
  { &StoredKey::Detector, &TShellState::DetectorOn, nullptr, 1 },
  { &StoredKey::Tongue, nullptr, &TShellState::Tongue, -1 },
  { &StoredKey::BackMode, nullptr, &TShellState::BackMode, 0 },
  { &StoredKey::Palette, nullptr, &TShellState::Palette, 0 },
} };

TSettings::TSettings(TIniCtrl& ini, TShellState& state)
  : Ini(ini)
  , State(state)
{
}

int TSettings::ValueOf(const TOption& option, const TShellState& state)
{
  return option.Flag ? (state.*option.Flag ? 1 : 0) : state.*option.Number;
}

void TSettings::SetValue(const TOption& option, TShellState& state, int value)
{
  if (option.Flag)
    state.*option.Flag = value != 0;
  else
    state.*option.Number = value;
}

void TSettings::Read()
{
  for (std::size_t i = 0; i < Options.size(); ++i) {
    const TOption& option = Options[i];
    SetValue(option, State, Ini.ReadInteger(StoredKey::Common, *option.Key, option.Default));
    ReadValues[i] = ValueOf(option, State);
  }
  ReadOtherLanguage();
}

void TSettings::ReadOtherLanguage()
{
  // An unknown or damaged code reads as if there were none.
  const QString code = Ini.ReadString(StoredKey::Common, StoredKey::Language, QString());
  const std::optional<TLanguage> language = LanguageOfCode(code);
  State.OtherLanguage = language && *language != lgGerman && *language != lgEnglish ? code : QString();
  ReadLanguage = State.OtherLanguage;
}

void TSettings::ReadTongue()
{
  for (std::size_t i = 0; i < Options.size(); ++i)
    if (Options[i].Number == &TShellState::Tongue) {
      SetValue(Options[i], State, Ini.ReadInteger(StoredKey::Common, *Options[i].Key, Options[i].Default));
      ReadValues[i] = ValueOf(Options[i], State);
    }
  ReadOtherLanguage();
}

void TSettings::Write()
{
  QStringList keys;
  std::array<int, OptionCount> values {};
  for (std::size_t i = 0; i < Options.size(); ++i) {
    keys << *Options[i].Key;
    values[i] = ValueOf(Options[i], State);
  }
  const std::array<int, OptionCount> read = ReadValues;
  // The tongue and the further language are one choice: when this copy
  // changed either, it writes both (the further language stored while one
  // is chosen, gone when German or English is), so that another copy's
  // choice is replaced whole, never half.
  const QString language = State.OtherLanguage;
  bool languageChanged = language != ReadLanguage;
  for (std::size_t i = 0; i < Options.size(); ++i)
    languageChanged = languageChanged || (Options[i].Number == &TShellState::Tongue && values[i] != read[i]);
  if (languageChanged)
    keys << StoredKey::Language;
  Ini.Edit(keys, [values, read, language, languageChanged](TIniText& text) {
    for (std::size_t i = 0; i < Options.size(); ++i) {
      const QString& key = *Options[i].Key;
      const bool tongue = Options[i].Number == &TShellState::Tongue;
      if (values[i] != read[i] || !text.Value(StoredKey::Common, key) || (tongue && languageChanged))
        text.SetValue(StoredKey::Common, key, QString::number(values[i]));
    }
    if (languageChanged && language.isEmpty())
      text.Remove(StoredKey::Common, StoredKey::Language);
    else if (languageChanged)
      text.SetValue(StoredKey::Common, StoredKey::Language, language);
  });
  ReadValues = values;
  ReadLanguage = language;
}
