#pragma once

// Deterministic, tileable noise for the generated artwork. Every function
// takes tile coordinates u, v in [0, 1) and repeats with period 1 in both,
// so textures built from it tile without seams.

#include <cmath>
#include <cstdint>

inline std::uint32_t HashCell(int x, int y, std::uint32_t seed)
{
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393U + static_cast<std::uint32_t>(y) * 668265263U + seed * 2246822519U;
  h = (h ^ (h >> 13U)) * 1274126177U;
  return h ^ (h >> 16U);
}

inline double HashUnit(int x, int y, std::uint32_t seed)
{
  return HashCell(x, y, seed) / 4294967296.0;
}

// Value noise on a periodic lattice of cellsX x cellsY cells.
inline double ValueNoise(double u, double v, int cellsX, int cellsY, std::uint32_t seed)
{
  const double x = u * cellsX;
  const double y = v * cellsY;
  const int x0 = static_cast<int>(std::floor(x));
  const int y0 = static_cast<int>(std::floor(y));
  const double fx = x - x0;
  const double fy = y - y0;
  const auto wrap = [](int i, int n) { return ((i % n) + n) % n; };
  const auto at = [&](int i, int j) { return HashUnit(wrap(i, cellsX), wrap(j, cellsY), seed); };
  const double sx = fx * fx * (3 - 2 * fx);
  const double sy = fy * fy * (3 - 2 * fy);
  const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
  const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
  return top + (bottom - top) * sy;
}

// Fractal sum of octaves, normalised to about 0..1.
inline double Fbm(double u, double v, int cellsX, int cellsY, int octaves, std::uint32_t seed)
{
  double sum = 0;
  double amplitude = 1;
  double total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amplitude * ValueNoise(u, v, cellsX << o, cellsY << o, seed + static_cast<std::uint32_t>(o) * 101U);
    total += amplitude;
    amplitude *= 0.5;
  }
  return sum / total;
}
