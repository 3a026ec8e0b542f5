// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

#include "history/game_record.h"

namespace history {

// Which games the figures are about.
struct Filter {
  std::string player;  // a name, or empty for everyone
  int last = 0;        // the latest N finished games, 0 for all
};

struct Record {  // against one opponent
  int won = 0, lost = 0, drawn = 0;
};

struct Statistics {
  int played = 0;     // finished games (a game for two counts once per player)
  int abandoned = 0;
  double mean = 0;
  int best = 0;
  std::vector<int> scores;                    // finished, oldest first
  std::vector<double> movingMean;             // of the last kMovingWindow scores
  std::map<int, int> histogram;               // lowest score of a bin -> games
  std::array<double, kCategories> boxMeans{};  // points per box
  double bonusShare = 0, pentaroShare = 0;     // of the games
  std::map<std::string, Record> opponents;     // by the opponent's name
};

inline constexpr int kHistogramBin = 25;
inline constexpr int kMovingWindow = 10;

// Every player's names in the games, each once, in order of first game.
std::vector<std::string> playerNames(const std::vector<Game>& games);
Statistics computeStatistics(const std::vector<Game>& games, const Filter& filter);

}  // namespace history
