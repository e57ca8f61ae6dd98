// Writes the seven sound effects as RIFF WAVE files: PCM, one channel,
// 8 bits, with fixed sample rates and data sizes. Deterministic.
//   make_sounds ASSETS_FOLDER
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;

struct TEffect {
  const char* Name;
  int Rate;
  int Bytes;
  // Sample value in -1..1 at time t (seconds) of a sound lasting length.
  std::function<double(double t, double length)> Voice;
};

double Note(int semitonesFromA4)
{
  return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// A soft tone with a few harmonics and a quick attack and decay. Harmonics
// at or above half the sample rate are left out: they would fold back to
// off-pitch partials.
double Tone(double t, double frequency, double decay, int rate)
{
  const double attack = std::min(1.0, t / 0.004);
  double wave = 0;
  const double weights[] = { 1.0, 0.35, 0.12 };
  for (int h = 1; h <= 3; ++h)
    if (h * frequency < rate / 2.0)
      wave += weights[h - 1] * std::sin(2 * Pi * h * frequency * t);
  return attack * std::exp(-t * decay) * wave / 1.47;
}

// Notes (semitones from A4, start, length) mixed together.
struct TScoreNote {
  int Pitch;
  double Start;
  double Length;
};

double Play(const std::vector<TScoreNote>& notes, double t, double decay, int rate)
{
  double sum = 0;
  for (const TScoreNote& n : notes)
    if (t >= n.Start && t < n.Start + n.Length + 0.25) {
      const double local = t - n.Start;
      const double release = t > n.Start + n.Length ? std::exp(-(t - n.Start - n.Length) * 30) : 1.0;
      sum += Tone(local, Note(n.Pitch), decay, rate) * release;
    }
  return sum;
}

// A sawtooth from -1 to 1 made of its partials up to 45 % of the sample
// rate: none lies near or above half the rate, where it would fold back.
double Sawtooth(double t, double frequency, int rate)
{
  double sum = 0;
  for (int k = 1; k * frequency < 0.45 * rate; ++k)
    sum += (k % 2 ? 1.0 : -1.0) * std::sin(2 * Pi * k * frequency * t) / k;
  return 2 / Pi * sum;
}

double Fade(double t, double length)
{
  return std::min(1.0, (length - t) / 0.02);
}

std::vector<TEffect> Effects()
{
  return {
    // 1: the game is won: a cheerful fanfare.
    { "win", 11025, 41470, [](double t, double length) {
       const std::vector<TScoreNote> fanfare = { { 3, 0.00, 0.18 }, { 7, 0.20, 0.18 }, { 10, 0.40, 0.18 }, { 15, 0.60, 0.45 },
         { 10, 1.10, 0.15 }, { 15, 1.28, 0.9 }, { 3, 1.28, 0.9 }, { 7, 1.28, 0.9 }, { 12, 2.30, 0.2 }, { 14, 2.52, 0.2 },
         { 15, 2.74, 0.9 }, { 10, 2.74, 0.9 }, { 7, 2.74, 0.9 } };
       return 0.21 * Play(fanfare, t, 1.6, 11025) * Fade(t, length);
     } },
    // 2: three cards that are no SET: a short low buzz of two sawtooths a
    // little apart, built from their partials below the band's edge.
    { "wrong", 22050, 11302, [](double t, double length) {
       const double saw = Sawtooth(t, 110, 22050) + 0.6 * Sawtooth(t, 116.5, 22050);
       return 0.36 * saw * std::min(1.0, t / 0.01) * std::exp(-t * 2.5) * Fade(t, length);
     } },
    // 3: a SET taken: a bright two-note chime.
    { "set", 11025, 8292, [](double t, double length) {
       return 0.4 * Play({ { 19, 0.0, 0.12 }, { 26, 0.11, 0.5 } }, t, 5.0, 11025) * Fade(t, length);
     } },
    // 4: no SET left: a falling phrase.
    { "end", 22050, 41376, [](double t, double length) {
       return 0.36 * Play({ { 12, 0.0, 0.3 }, { 8, 0.32, 0.3 }, { 5, 0.64, 0.3 }, { 0, 0.96, 0.8 } }, t, 2.2, 22050) * Fade(t, length);
     } },
    // 5: a card picked: a soft click.
    { "pick", 22050, 934, [](double t, double length) {
       return 0.62 * std::sin(2 * Pi * 1800 * t) * std::exp(-t * 55) * Fade(t, length);
     } },
    // 6: a card dropped: a lower click.
    { "unpick", 22050, 696, [](double t, double length) {
       return 0.62 * std::sin(2 * Pi * 900 * t) * std::exp(-t * 36) * Fade(t, length);
     } },
    // 7: the detector sees a SET: a quick rising ping.
    { "detect", 11025, 2862, [](double t, double length) {
       const double pitch = 1200 + 1600 * t;
       return 0.5 * std::sin(2 * Pi * pitch * t) * std::min(1.0, t / 0.005) * std::exp(-t * 12) * Fade(t, length);
     } },
  };
}

void Put32(std::string& out, std::uint32_t v)
{
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void Put16(std::string& out, std::uint16_t v)
{
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

std::string Wave(const TEffect& effect)
{
  std::string data;
  const double length = static_cast<double>(effect.Bytes) / effect.Rate;
  for (int i = 0; i < effect.Bytes; ++i) {
    const double v = std::clamp(effect.Voice(static_cast<double>(i) / effect.Rate, length), -1.0, 1.0);
    data.push_back(static_cast<char>(static_cast<std::uint8_t>(std::lround(128 + 127 * v))));
  }
  std::string out = "RIFF";
  Put32(out, static_cast<std::uint32_t>(36 + data.size()));
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1); // PCM
  Put16(out, 1); // mono
  Put32(out, static_cast<std::uint32_t>(effect.Rate));
  Put32(out, static_cast<std::uint32_t>(effect.Rate)); // bytes per second
  Put16(out, 1); // block align
  Put16(out, 8); // bits per sample
  out += "data";
  Put32(out, static_cast<std::uint32_t>(data.size()));
  return out + data;
}

} // namespace

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds ASSETS_FOLDER\n");
    return 2;
  }
  int number = 1;
  for (const TEffect& effect : Effects()) {
    const std::string path = std::string(argv[1]) + "/waves/" + std::to_string(number++) + ".wav";
    std::ofstream file(path, std::ios::binary);
    file << Wave(effect);
    if (!file) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
