// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "board/assets.h"

namespace advisor {

class Strategy;

// The points each box of a sheet brings on average, and the bonus last,
// when a whole sheet is played perfectly from empty: they add up to the
// expected score of perfect play.
std::array<double, kCategories + 1> perfectPlayMeans(const Strategy& strategy);

}  // namespace advisor
