// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/spread.h"

#include <algorithm>

#include "advisor/turn_tree.h"

namespace advisor {

namespace {

// The points of a turn and of the rest of the game: their mean, which ranks
// them, and their mean square, which follows the choices the mean makes.
struct Moments {
  double mean = 0, square = 0;
  Moments operator+(const Moments& o) const { return {mean + o.mean, square + o.square}; }
  Moments operator*(double k) const { return {mean * k, square * k}; }
  bool operator<(const Moments& o) const { return mean < o.mean; }
};

}  // namespace

Spread::Spread(const Strategy& strategy, const std::atomic<bool>* cancelled)
    : strategy_(strategy), square_(std::size_t{kFullSheet + 1} * kUppers, 0.0) {
  forEachSheetLatestFirst([this](unsigned used) { solveSheets(used); }, cancelled);
}

void Spread::solveSheets(unsigned used) {
  const DiceSets& sets = DiceSets::get();
  const Strategy& strategy = strategy_;
  for (int u = 0; u < kUppers; ++u) {
    const Sheet sheet{used, u};
    // The strategy leaves the sheets no play reaches at nothing to come.
    if (strategy.future(sheet) == 0) continue;
    TurnTree<Moments>::Entries entry;
    entry.fill({-1, 0});
    for (int box = 0; box < kCategories; ++box) {
      if (used & (1u << box)) continue;
      // What the rest of the game holds after this entry depends on the
      // hand only through the points of an upper box.
      const bool upperBox = box < kUpperCategories;
      std::array<Moments, kDice + 1> later;  // by dice of the box's face
      for (int n = 0; n <= (upperBox ? kDice : 0); ++n) {
        const int points = n * kCategoryTable[box].face;
        const auto [after, gained] = enterBox({used, u}, box, points);
        const double bonus = gained - points;
        const double mean = strategy.future(after);
        // The bonus comes with the entry: it counts in the mean square as the points do.
        later[n] = {bonus + mean, bonus * bonus + 2 * bonus * mean + meanSquare(after)};
      }
      const auto& worth = sets.worth(box);
      const auto& dice = sets.dice(upperBox ? box + 1 : 1);
      for (int h = 0; h < DiceSets::kHands; ++h) {
        const double points = worth[h];
        const Moments& rest = later[upperBox ? dice[h] : 0];
        const Moments m{points + rest.mean, points * points + 2 * points * rest.mean + rest.square};
        if (entry[h] < m) entry[h] = m;
      }
    }
    square_[slot(sheet)] = TurnTree<Moments>(entry).start().square;
  }
}

double Spread::meanSquare(const Sheet& sheet) const {
  return sheet.used == kFullSheet ? 0 : square_[slot(sheet)];
}

double Spread::variance(const Sheet& sheet) const {
  const double mean = strategy_.future(sheet);
  return std::max(0.0, meanSquare(sheet) - mean * mean);
}

}  // namespace advisor
