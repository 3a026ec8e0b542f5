// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Deterministic value noise, so every build draws the same pictures.

// A number in [0, 1) fixed by the cell and the seed.
double cellRandom(int x, int y, std::uint32_t seed);

// Smooth noise in [0, 1] with one lattice cell per unit. A non-zero period
// makes it repeat after that many cells, which keeps tiles seamless.
double valueNoise(double x, double y, int periodX, int periodY, std::uint32_t seed);

// Octaves of valueNoise, each twice as fine and half as strong; in [0, 1].
double fractalNoise(double x, double y, int periodX, int periodY, int octaves, std::uint32_t seed);
