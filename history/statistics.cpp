// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/statistics.h"

#include <algorithm>

namespace history {

std::vector<std::string> playerNames(const std::vector<Game>& games) {
  std::vector<std::string> names;
  for (const Game& g : games)
    for (const Player& p : g.players)
      if (std::find(names.begin(), names.end(), p.name) == names.end()) names.push_back(p.name);
  return names;
}

Statistics computeStatistics(const std::vector<Game>& games, const Filter& filter) {
  Statistics s;
  // The sheets the figures count: a player's own when one is chosen.
  struct Sheet {
    const Game* game;
    int seat;
  };
  std::vector<Sheet> sheets;
  for (const Game& g : games)
    for (int seat = 0; seat < int(g.players.size()); ++seat) {
      if (!filter.player.empty() && g.players[seat].name != filter.player) continue;
      if (g.outcome == Outcome::kAbandoned) ++s.abandoned;
      if (g.outcome == Outcome::kOver) sheets.push_back({&g, seat});
    }
  if (filter.last > 0 && int(sheets.size()) > filter.last)
    sheets.erase(sheets.begin(), sheets.end() - filter.last);

  std::array<int, kCategories> boxTotals{};
  int bonuses = 0, pentari = 0;
  double sum = 0, window = 0;
  for (const Sheet& sh : sheets) {
    const Player& p = sh.game->players[sh.seat];
    s.scores.push_back(p.total);
    sum += p.total;
    window += p.total;
    if (s.scores.size() > kMovingWindow) window -= s.scores[s.scores.size() - 1 - kMovingWindow];
    s.movingMean.push_back(window / std::min<std::size_t>(s.scores.size(), kMovingWindow));
    s.best = std::max(s.best, p.total);
    ++s.histogram[p.total / kHistogramBin * kHistogramBin];
    for (int b = 0; b < kCategories; ++b) boxTotals[b] += std::max(0, p.boxes[b]);
    if (p.bonus > 0) ++bonuses;
    if (p.boxes[11] > 0) ++pentari;
    if (sh.game->players.size() == 2 && sh.game->winner) {
      Record& r = s.opponents[sh.game->players[1 - sh.seat].name];
      const int w = *sh.game->winner;
      (w < 0 ? r.drawn : w == sh.seat ? r.won : r.lost) += 1;
    }
  }
  s.played = int(sheets.size());
  if (s.played > 0) {
    s.mean = sum / s.played;
    for (int b = 0; b < kCategories; ++b) s.boxMeans[b] = double(boxTotals[b]) / s.played;
    s.bonusShare = double(bonuses) / s.played;
    s.pentaroShare = double(pentari) / s.played;
  }
  return s;
}

}  // namespace history
