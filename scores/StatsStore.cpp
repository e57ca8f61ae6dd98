#include "scores/StatsStore.h"

#include "game/DealCode.h"
#include "scores/StoredKeys.h"
#include "toolkit/IniText.h"
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
      SetLastGame(text, game);
  });
}

void TStatsStore::SetLastGame(TIniText& text, const TGameReview& game)
{
  text.SetValue(StoredKey::Stats, StoredKey::LastGame, QString::fromStdString(game.Encode()));
  if (game.Deal)
    text.SetValue(StoredKey::Stats, StoredKey::LastDeal,
      QString::fromStdString(DealCodeText(*game.Deal)) + (game.Replayed ? QStringLiteral(" again") : QString()));
  else
    text.Remove(StoredKey::Stats, StoredKey::LastDeal);
}

void TStatsStore::KeepLast(const TGameReview& game)
{
  if (game.Finished())
    Ini.Edit({ StoredKey::LastGame, StoredKey::LastDeal }, [game](TIniText& text) { SetLastGame(text, game); });
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
  if (game) {
    // A damaged code is no code; the account stands without it.
    QString deal = Ini.ReadString(StoredKey::Stats, StoredKey::LastDeal, QString());
    game->Replayed = deal.endsWith(QLatin1String(" again"));
    if (game->Replayed)
      deal.chop(6);
    game->Deal = ParseDealCode(deal.toStdString());
    game->Replayed = game->Replayed && game->Deal;
  }
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
