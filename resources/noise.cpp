// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/noise.h"

#include <cmath>

namespace {

int wrap(int i, int period) {
  if (period <= 0) return i;
  i %= period;
  return i < 0 ? i + period : i;
}

double smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double cellRandom(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h / 4294967296.0;
}

double valueNoise(double x, double y, int periodX, int periodY, std::uint32_t seed) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const int x0 = static_cast<int>(fx);
  const int y0 = static_cast<int>(fy);
  const double tx = smooth(x - fx);
  const double ty = smooth(y - fy);
  auto at = [&](int dx, int dy) {
    return cellRandom(wrap(x0 + dx, periodX), wrap(y0 + dy, periodY), seed);
  };
  const double top = at(0, 0) + (at(1, 0) - at(0, 0)) * tx;
  const double bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * tx;
  return top + (bottom - top) * ty;
}

double fractalNoise(double x, double y, int periodX, int periodY, int octaves, std::uint32_t seed) {
  double sum = 0;
  double weight = 1;
  double total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * valueNoise(x, y, periodX, periodY, seed + 101u * i);
    total += weight;
    x *= 2;
    y *= 2;
    periodX *= 2;
    periodY *= 2;
    weight *= 0.5;
  }
  return sum / total;
}
