#include "shell/WrongPick.h"

#include <QCoreApplication>
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

QString TWrongPick::Said(const std::array<std::int32_t, 4>& match)
{
  // Whole phrases, so that each language words them its own way.
  static const char* const verdicts[] = {
    QT_TRANSLATE_NOOP("WrongPick", "colour two alike, one different"),
    QT_TRANSLATE_NOOP("WrongPick", "shape two alike, one different"),
    QT_TRANSLATE_NOOP("WrongPick", "number two alike, one different"),
    QT_TRANSLATE_NOOP("WrongPick", "fill two alike, one different"),
  };
  QStringList parts;
  for (std::size_t i = 0; i < match.size(); ++i)
    if (match[i] == 0)
      parts << QCoreApplication::translate("WrongPick", verdicts[i]);
  return QCoreApplication::translate("WrongPick", "Not a SET: ") + parts.join(QStringLiteral("; "));
}
