#include "game/Game.h"
#include "game/Random.h"
#include "game/SetFinder.h"
#include "game/SilentHost.h"

#include <benchmark/benchmark.h>

namespace {

void NewGame(benchmark::State& state)
{
  TSilentHost host;
  TPcgRandom random(1);
  TGame game(host, random);
  for (auto _ : state) {
    game.NewGame();
    benchmark::DoNotOptimize(game.Record().Table);
  }
}
BENCHMARK(NewGame);

void TableHasSetWithoutSet(benchmark::State& state)
{
  TSilentHost host;
  TPcgRandom random(1);
  TGame game(host, random);
  game.NewGame();
  // The sixteen cards whose digits are all 0 or 1 hold no SET.
  int p = 0;
  for (int v = 0; v < 81; ++v)
    if (v % 3 < 2 && v / 3 % 3 < 2 && v / 9 % 3 < 2 && v / 27 < 2) {
      game.Record().Table[p % 4][p / 4] = v + 1;
      ++p;
    }
  for (auto _ : state)
    benchmark::DoNotOptimize(game.TableHasSet());
}
BENCHMARK(TableHasSetWithoutSet);

void HintSearch(benchmark::State& state)
{
  TSilentHost host;
  TPcgRandom random(1);
  TGame game(host, random);
  game.NewGame();
  while (!game.TableHasSet())
    game.NewGame();
  for (auto _ : state) {
    game.TipBtnMouseDown();
    game.TipBtnMouseUp();
  }
}
BENCHMARK(HintSearch);

// A practice game counts the SETs on the table after every card dealt.
void SetsOnTable(benchmark::State& state)
{
  TSilentHost host;
  TPcgRandom random(1);
  TGame game(host, random);
  game.NewGame();
  for (auto _ : state)
    benchmark::DoNotOptimize(SetsOnTable(game.Record()));
}
BENCHMARK(SetsOnTable);

void WholeBotGame(benchmark::State& state)
{
  TSilentHost host;
  TPcgRandom random(1);
  TGame game(host, random);
  for (auto _ : state) {
    game.NewGame();
    while (game.Record().GameState != gsOver) {
      const auto set = FirstSetOnTable(game.Record());
      if (!set) {
        game.MixBtnClick();
        continue;
      }
      for (const TSlot& s : *set)
        game.MouseDown(s);
    }
    benchmark::DoNotOptimize(game.ComputeScore());
  }
  state.counters["games/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(WholeBotGame);

} // namespace

BENCHMARK_MAIN();
