#include "advisor/perfect_play.h"

#include <algorithm>
#include <map>

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
  // By sheet (used boxes, upper total up to the line): its chance. A sheet
  // only grows, so the map's order is the order of play.
  std::map<std::pair<unsigned, int>, double> sheets{{{0u, 0}, 1.0}};
  while (!sheets.empty()) {
    const auto [key, chance] = *sheets.begin();
    sheets.erase(sheets.begin());
    if (key.first == kFullSheet) continue;
    const Sheet sheet{key.first, key.second};
    const TurnValues turn(strategy, sheet);
    Mass mass{};
    for (int h = DiceSets::kFirstHand; h < DiceSets::kCount; ++h) mass[h] = sets.chance(h);
    Mass done{};  // hands the player stops on
    for (int throwsLeft = 2; throwsLeft >= 1; --throwsLeft) {
      Mass next{};
      for (int h = DiceSets::kFirstHand; h < DiceSets::kCount; ++h) {
        if (mass[h] == 0) continue;
        const KeepChoice keep = turn.bestKeep(sets.counts(h), throwsLeft);
        (keep.stop ? done[h] : next[sets.index(keep.keep)]) += mass[h];
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
      int upper = sheet.upper;
      if (box < kUpperCategories) {
        upper = std::min(upper + points, kBonusThreshold);
        if (sheet.upper < kBonusThreshold && upper >= kBonusThreshold)
          means[kCategories] += p * kBonusPoints;
      }
      sheets[{sheet.used | (1u << box), upper}] += p;
    }
  }
  return means;
}

}  // namespace advisor
