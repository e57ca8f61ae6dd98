#include "scores/LifetimeStats.h"

#include "scores/StoredKeys.h"
#include "toolkit/IniText.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

struct TFigure {
  const char* Key;
  std::int32_t TLifetimeStats::*Field;
  bool Signed; // only the best score can be below 0
};

const TFigure Figures[] = {
  { "played", &TLifetimeStats::Played, false },
  { "abandoned", &TLifetimeStats::Abandoned, false },
  { "sets", &TLifetimeStats::Sets, false },
  { "seconds", &TLifetimeStats::Seconds, false },
  { "hints", &TLifetimeStats::Hints, false },
  { "mixes", &TLifetimeStats::Mixes, false },
  { "bestscore", &TLifetimeStats::BestScore, true },
  { "fastest", &TLifetimeStats::Fastest, false },
  { "bestpace", &TLifetimeStats::BestPace, false },
};

std::int32_t Saturated(std::int64_t value)
{
  constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value > high ? high : value < 0 ? 0 : value);
}

void AddTo(std::int32_t& count, std::int64_t more)
{
  count = Saturated(std::int64_t { count } + more);
}

// The better of a stored best and a new figure, where 0 means none yet.
std::int32_t Lower(std::int32_t best, std::int64_t figure)
{
  return best == 0 ? Saturated(figure) : std::min(best, Saturated(figure));
}

} // namespace

void TLifetimeStats::Add(const TGameReview& game)
{
  AddTo(Sets, static_cast<std::int64_t>(game.Sets.size()));
  AddTo(Hints, game.Hints);
  AddTo(Mixes, game.Mixes);
  if (game.Ending == geAbandoned)
    AddTo(Abandoned, 1);
  if (!game.Finished())
    return;
  BestScore = Played == 0 ? game.Score : std::max(BestScore, game.Score);
  AddTo(Played, 1);
  AddTo(Seconds, game.Seconds);
  if (game.Seconds > 0)
    Fastest = Lower(Fastest, game.Seconds);
  if (!game.Sets.empty() && game.Seconds > 0)
    BestPace = Lower(BestPace, std::max<std::int64_t>(1, (std::int64_t { game.Seconds } * 10 + static_cast<std::int64_t>(game.Sets.size()) / 2) / static_cast<std::int64_t>(game.Sets.size())));
}

TLifetimeStats TLifetimeStats::Read(const TIniText& text)
{
  return Read([&text](const QString& key) { return text.Value(StoredKey::Stats, key); });
}

TLifetimeStats TLifetimeStats::Read(const std::function<std::optional<QString>(const QString& key)>& lookup)
{
  TLifetimeStats stats;
  for (const TFigure& figure : Figures) {
    const std::optional<QString> value = lookup(QString::fromLatin1(figure.Key));
    bool ok = false;
    const qlonglong number = value ? value->trimmed().toLongLong(&ok) : 0;
    if (!ok)
      continue;
    stats.*figure.Field = figure.Signed ? static_cast<std::int32_t>(std::clamp<qlonglong>(number, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()))
                                        : Saturated(number);
  }
  return stats;
}

void TLifetimeStats::Write(TIniText& text) const
{
  for (const TFigure& figure : Figures)
    text.SetValue(StoredKey::Stats, QString::fromLatin1(figure.Key), QString::number(this->*figure.Field));
}

void TLifetimeStats::Reset(TIniText& text)
{
  for (const QString& key : Keys())
    text.Remove(StoredKey::Stats, key);
}

QStringList TLifetimeStats::Keys()
{
  QStringList keys;
  for (const TFigure& figure : Figures)
    keys << QString::fromLatin1(figure.Key);
  keys << StoredKey::LastGame << StoredKey::LastDeal;
  return keys;
}
