// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/perfect_play.h"

#include <algorithm>
#include <vector>

#include "advisor/strategy.h"

namespace advisor {

namespace {

using Mass = std::array<double, DiceSets::kCount>;

// Throws the dice a kept set lacks: the chance of each hand that follows.
void throwRest(Mass& mass) {
  const DiceSets& sets = DiceSets::get();
  for (int s = 0; s < DiceSets::kFirstHand; ++s) {
    if (mass[s] == 0) continue;
    for (int next : sets.more(s)) mass[next] += mass[s] / 6;
    mass[s] = 0;
  }
}

}  // namespace

// Follows the chance of every sheet forward, turn by turn, as perfect play
// moves it: each hand of each throw is played as the strategy says.
std::array<double, kCategories + 1> perfectPlayMeans(const Strategy& strategy) {
  const DiceSets& sets = DiceSets::get();
  std::array<double, kCategories + 1> means{};
  // The chance of each sheet, by used boxes and upper total up to the line.
  // A sheet only grows, so counting the used boxes up follows the play.
  std::vector<double> sheets(std::size_t{kFullSheet} * kUppers, 0.0);
  sheets[0] = 1;
  for (unsigned used = 0; used < kFullSheet; ++used)
    for (int upper = 0; upper < kUppers; ++upper) {
      const double chance = sheets[used * kUppers + upper];
      if (chance == 0) continue;
      const TurnValues turn(strategy, {used, upper});
      Mass mass{};
      for (int h = DiceSets::kFirstHand; h < DiceSets::kCount; ++h) mass[h] = sets.chance(h);
      Mass done{};  // hands the player stops on
      for (int throwsLeft = 2; throwsLeft >= 1; --throwsLeft) {
        Mass next{};
        const auto keeps = turn.bestKeeps(throwsLeft);
        for (int h = DiceSets::kFirstHand; h < DiceSets::kCount; ++h) {
          if (mass[h] == 0) continue;
          const int kept = keeps[h - DiceSets::kFirstHand];
          (kept == h ? done[h] : next[kept]) += mass[h];
        }
        throwRest(next);
        mass = next;
      }
      for (int h = DiceSets::kFirstHand; h < DiceSets::kCount; ++h) {
        const double p = chance * (mass[h] + done[h]);
        if (p == 0) continue;
        const int box = turn.bestBox(sets.counts(h)).box;
        const int points = sets.value(h, box);
        means[box] += p * points;
        const auto [after, gained] = enterBox({used, upper}, box, points);
        means[kCategories] += p * (gained - points);
        if (after.used != kFullSheet) sheets[slot(after)] += p;
      }
    }
  return means;
}

}  // namespace advisor
