#include "shell/WrongPick.h"

#include <QStringList>

namespace {

std::array<TSlot, 3> PickedSlots(const TGameRecord& record, int& count)
{
  std::array<TSlot, 3> picked {};
  count = 0;
  for (int col = 0; col < GridSize; ++col)
    for (int row = 0; row < GridSize; ++row)
      if (record.Picked[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)]) {
        if (count < 3)
          picked[static_cast<std::size_t>(count)] = TSlot { col, row };
        ++count;
      }
  return picked;
}

} // namespace

void TWrongPick::Noticed(const TGameRecord& record)
{
  int count = 0;
  const std::array<TSlot, 3> picked = PickedSlots(record, count);
  if (count != 3) {
    Slots.reset();
    return;
  }
  Slots = picked;
  Verdict = record.AttrMatch;
}

bool TWrongPick::Holds(const TGameRecord& record) const
{
  if (!Slots || record.GameState == gsOver)
    return false;
  int count = 0;
  return PickedSlots(record, count) == *Slots && count == 3;
}

QString TWrongPick::Said(const std::array<std::int32_t, 4>& match, bool german)
{
  static const char* const germanNames[] = { "Farbe", "Form", "Anzahl", "Füllung" };
  static const char* const englishNames[] = { "colour", "shape", "number", "fill" };
  QStringList parts;
  for (std::size_t i = 0; i < match.size(); ++i)
    if (match[i] == 0)
      parts << QString::fromUtf8(german ? germanNames[i] : englishNames[i])
          + (german ? QStringLiteral(" zwei gleich, eine verschieden") : QStringLiteral(" two alike, one different"));
  return (german ? QStringLiteral("Kein SET: ") : QStringLiteral("Not a SET: ")) + parts.join(QStringLiteral("; "));
}
