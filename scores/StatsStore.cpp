#include "scores/StatsStore.h"

#include "scores/StoredKeys.h"
#include "toolkit/IniCtrl.h"

TStatsStore::TStatsStore(TIniCtrl& ini)
  : Ini(ini)
{
}

void TStatsStore::Add(const TGameReview& game)
{
  Ini.Edit(TLifetimeStats::Keys(), [game](TIniText& text) {
    TLifetimeStats stats = TLifetimeStats::Read(text);
    stats.Add(game);
    stats.Write(text);
    if (game.Finished())
      text.SetValue(StoredKey::Stats, StoredKey::LastGame, QString::fromStdString(game.Encode()));
  });
}

void TStatsStore::KeepLast(const TGameReview& game)
{
  if (game.Finished())
    Ini.WriteString(StoredKey::Stats, StoredKey::LastGame, QString::fromStdString(game.Encode()));
}

TLifetimeStats TStatsStore::Lifetime() const
{
  return TLifetimeStats::Read([this](const QString& key) -> std::optional<QString> {
    const QString value = Ini.ReadString(StoredKey::Stats, key, QString());
    return value.isNull() ? std::nullopt : std::optional<QString>(value);
  });
}

std::optional<TGameReview> TStatsStore::LastGame() const
{
  const QString text = Ini.ReadString(StoredKey::Stats, StoredKey::LastGame, QString());
  std::optional<TGameReview> game = TGameReview::Decode(text.toStdString());
  if (game && !game->Finished())
    return std::nullopt;
  return game;
}

void TStatsStore::Reset()
{
  Ini.Edit(TLifetimeStats::Keys(), [](TIniText& text) { TLifetimeStats::Reset(text); });
}

bool TStatsStore::ShowReview() const
{
  return Ini.ReadBool(StoredKey::Stats, StoredKey::ShowReview, true);
}

void TStatsStore::SetShowReview(bool show)
{
  Ini.WriteBool(StoredKey::Stats, StoredKey::ShowReview, show);
}
