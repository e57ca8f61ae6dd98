#include "shell/Settings.h"

#include "toolkit/IniCtrl.h"
#include "toolkit/IniText.h"

#include <QStringList>

namespace {
const QString Common = QStringLiteral("common");
} // namespace

// In the order a close writes them.
const std::array<TSettings::TOption, TSettings::OptionCount> TSettings::Options { {
  { "sound", &TShellState::SoundOn, nullptr, 1 },
  { "music", &TShellState::MusicOn, nullptr, 1 },
  { "hint", &TShellState::DetectorOn, nullptr, 1 },
  { "tongue", nullptr, &TShellState::Tongue, -1 },
  { "backmode", nullptr, &TShellState::BackMode, 0 },
  { "palette", nullptr, &TShellState::Palette, 0 },
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
    SetValue(option, State, Ini.ReadInteger(Common, QLatin1String(option.Key), option.Default));
    ReadValues[i] = ValueOf(option, State);
  }
}

void TSettings::ReadTongue()
{
  for (std::size_t i = 0; i < Options.size(); ++i)
    if (Options[i].Number == &TShellState::Tongue) {
      SetValue(Options[i], State, Ini.ReadInteger(Common, QLatin1String(Options[i].Key), Options[i].Default));
      ReadValues[i] = ValueOf(Options[i], State);
    }
}

void TSettings::Write()
{
  QStringList keys;
  std::array<int, OptionCount> values {};
  for (std::size_t i = 0; i < Options.size(); ++i) {
    keys << QLatin1String(Options[i].Key);
    values[i] = ValueOf(Options[i], State);
  }
  const std::array<int, OptionCount> read = ReadValues;
  Ini.Edit(keys, [values, read](TIniText& text) {
    for (std::size_t i = 0; i < Options.size(); ++i) {
      const QString key = QLatin1String(Options[i].Key);
      if (values[i] != read[i] || !text.Value(Common, key))
        text.SetValue(Common, key, QString::number(values[i]));
    }
  });
  ReadValues = values;
}
