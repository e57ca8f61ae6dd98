#include "sound/MidiSynth.h"
#include "sound/SdlAudio.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>

#include <chrono>
#include <cstdlib>
#include <vector>

// Run with SDL_AUDIODRIVER=dummy (or a real device) and the soundfont
// installed.
namespace {

// The first effect after a silence: the device was closed and opens again
// (the effects are converted anew here, as at the very first sound).
void EffectAfterSilence(benchmark::State& state)
{
  for (auto _ : state) {
    TSdlAudio audio;
    const auto start = std::chrono::steady_clock::now();
    audio.PlayEffect(4);
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    benchmark::DoNotOptimize(audio.DeviceOpen());
  }
}
BENCHMARK(EffectAfterSilence)->Unit(benchmark::kMillisecond)->Iterations(20)->UseManualTime();

// Switching the music on to another piece, as the options' button does:
// the window waits for no more than this (the soundfont is already loaded).
void SwitchPiece(benchmark::State& state)
{
  TSdlAudio audio;
  std::string error;
  audio.OpenMusic(TRIVOLO_MUSIC_DIR "/a_morning.mid", error);
  audio.Synth()->WaitUntilLoaded();
  const char* pieces[] = { TRIVOLO_MUSIC_DIR "/b_riverside.mid", TRIVOLO_MUSIC_DIR "/c_puzzle.mid" };
  int next = 0;
  for (auto _ : state) {
    audio.StopMusic();
    audio.CloseMusic();
    audio.OpenMusic(pieces[next++ % 2], error);
    audio.PlayMusic();
  }
}
BENCHMARK(SwitchPiece)->Unit(benchmark::kMillisecond);

// The first piece of a run: the soundfont loads on a worker thread, so the
// window's call returns at once; the load itself is timed separately.
void FirstPiece(benchmark::State& state)
{
  for (auto _ : state) {
    TSdlAudio audio;
    std::string error;
    const auto start = std::chrono::steady_clock::now();
    audio.OpenMusic(TRIVOLO_MUSIC_DIR "/a_morning.mid", error);
    audio.PlayMusic();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    audio.Synth()->WaitUntilLoaded();
  }
}
BENCHMARK(FirstPiece)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();

void SoundfontLoad(benchmark::State& state)
{
  for (auto _ : state) {
    TMidiSynth synth(TSdlAudio::SoundFont(), 22050);
    synth.WaitUntilLoaded();
  }
}
BENCHMARK(SoundfontLoad)->Unit(benchmark::kMillisecond)->Iterations(10);

// Rendering one second of music, as the audio thread does in 1024-frame
// buffers.
void RenderSecond(benchmark::State& state)
{
  TMidiSynth synth(TSdlAudio::SoundFont(), 22050);
  synth.WaitUntilLoaded();
  std::vector<char> piece;
  {
    QFile file(TRIVOLO_MUSIC_DIR "/c_puzzle.mid");
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    piece.assign(bytes.begin(), bytes.end());
  }
  synth.Open(piece);
  synth.Play();
  std::vector<std::int16_t> buffer(2048);
  for (auto _ : state)
    for (int i = 0; i < 22; ++i)
      synth.Render(buffer.data(), 1024);
}
BENCHMARK(RenderSecond)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
