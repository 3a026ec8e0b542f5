// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "board/assets.h"

namespace history {

// Which games the figures are about.
struct Filter {
  std::string player;  // a name, or empty for everyone
  int last = 0;        // the latest N finished games, 0 for all
};

struct Opponent {
  std::string name, kind, level;  // kind "persona" or "computer", level a computer's
  int won = 0, lost = 0, drawn = 0;
  bool operator==(const Opponent&) const = default;
};

struct Statistics {
  int played = 0;  // finished games (a game for two counts once per player)
  int abandoned = 0;
  double mean = 0;
  int best = 0;
  std::vector<int> scores;                     // finished, oldest first
  std::vector<double> movingMean;              // of the last kMovingWindow scores
  std::map<int, int> histogram;                // lowest score of a bin -> games
  std::array<double, kCategories> boxMeans{};  // points per box
  double bonusShare = 0, pentaroShare = 0;     // of the games
  std::vector<Opponent> opponents;             // by name
};

inline constexpr int kHistogramBin = 25;
inline constexpr int kMovingWindow = 10;

}  // namespace history
