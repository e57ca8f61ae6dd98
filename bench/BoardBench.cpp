#include "assets/Artwork.h"
#include "board/Board.h"
#include "board/QtCanvas.h"
#include "game/Game.h"
#include "game/Random.h"
#include "game/SilentHost.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

namespace {

struct TBench {
  TSilentHost Host;
  TPcgRandom Random { 5 };
  TGame Game { Host, Random };
  TBoardSettings Settings;
  TBitmapList Bmps = LoadBmps();
  QImage Surface;
  TQtCanvas Canvas { Surface, Bmps };
  TBoard Board { Canvas, Game, Settings };

  TBench(int width, int height)
    : Surface(width, height, QImage::Format_RGB32)
  {
    Board.Resize(width, height);
    Game.NewGame();
    Game.Record().Picked[1][1] = true;
  }
};

void Paint(benchmark::State& state)
{
  TBench bench(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state)
    bench.Board.Paint();
}
BENCHMARK(Paint)->Args({ 701, 401 })->Args({ 1000, 700 })->Args({ 1920, 1080 })->Unit(benchmark::kMicrosecond);

// One of the rules' pictures: three cards of 72 pixels at a density (in
// percent), on a surface of their own.
void RulesPicture(benchmark::State& state)
{
  const TBitmapList bmps = LoadBmps();
  const qreal density = static_cast<qreal>(state.range(0)) / 100;
  for (auto _ : state) {
    QImage image(qRound(216 * density), qRound(72 * density), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(density);
    image.fill(Qt::transparent);
    TQtCanvas canvas(image, bmps);
    for (int i = 0; i < 3; ++i)
      DrawCard(canvas, TCellRect { 72 * i, 0, 72 }, 27 * i + 10 * i + 1, false, false);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(RulesPicture)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond);

void RedrawSlot(benchmark::State& state)
{
  TBench bench(701, 401);
  bench.Game.Record().Table[1][1] = 81; // three hatched triangles, the most work
  for (auto _ : state)
    bench.Board.RedrawSlot(1, 1);
}
BENCHMARK(RedrawSlot)->Unit(benchmark::kMicrosecond);

void DrawScore(benchmark::State& state)
{
  TBench bench(701, 401);
  bench.Game.Record().TimeTicks = 3000;
  for (auto _ : state)
    bench.Board.DrawScore();
}
BENCHMARK(DrawScore)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
