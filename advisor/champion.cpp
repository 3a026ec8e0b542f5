// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/champion.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace advisor {

namespace {

// Boxes left on a rival's sheet up to which its final score is worked out
// exactly, and boxes left on one's own after this turn's entry up to which
// the rest of the game is played out exactly: beyond, the normal law.
constexpr int kExactRival = 4;
constexpr int kExactOwn = 2;

int freeBoxes(const Sheet& s) { return kCategories - std::popcount(s.used); }
int capped(int upper) { return std::min(upper, kBonusThreshold); }

// The standard normal law's chance below x, from a table: the laws of the
// final scores are worked out by the hundred every turn.
double normalBelow(double x) {
  constexpr int kSteps = 64, kReach = 8;  // points per unit, units each side
  static const auto table = [] {
    std::array<double, 2 * kReach * kSteps + 1> t{};
    for (std::size_t i = 0; i < t.size(); ++i)
      t[i] = 0.5 * std::erfc(-(double(i) / kSteps - kReach) / std::sqrt(2.0));
    return t;
  }();
  const double at = (std::clamp(x, -double(kReach), double(kReach)) + kReach) * kSteps;
  const std::size_t i = std::min(static_cast<std::size_t>(at), table.size() - 2);
  return table[i] + (at - i) * (table[i + 1] - table[i]);
}

// The chance of each whole number near `mean` under the normal law, from
// `first` on.
std::vector<double> normalLaw(double mean, double variance, int& first) {
  const double sd = std::max(std::sqrt(variance), 0.5);
  first = static_cast<int>(std::floor(mean - 6 * sd));
  const int last = static_cast<int>(std::ceil(mean + 6 * sd));
  std::vector<double> law;
  double below = normalBelow((first - 0.5 - mean) / sd);
  for (int x = first; x <= last; ++x) {
    const double upTo = normalBelow((x + 0.5 - mean) / sd);
    law.push_back(upTo - below);
    below = upTo;
  }
  return law;
}

// What one turn of the advisor's play brings, by chance: the box, the points
// entered there, how likely.
struct Outcome {
  int box, points;
  double chance;
};

std::vector<Outcome> turnOutcomes(const Strategy& strategy, const Sheet& sheet) {
  using S = DiceSets;
  const S& sets = S::get();
  // The advisor's entry for every hand: its box and what it brings.
  TurnTree<double>::Entries entry;
  entry.fill(-1);
  std::array<int, S::kHands> boxOf{};
  for (int box = 0; box < kCategories; ++box) {
    if (sheet.used & (1u << box)) continue;
    for (int h = 0; h < S::kHands; ++h) {
      const auto [after, gained] = enterBox(sheet, box, sets.value(h + S::kFirstHand, box));
      const double v = gained + strategy.future(after);
      if (v > entry[h]) entry[h] = v, boxOf[h] = box;
    }
  }
  const TurnTree<double> tree(entry);
  std::array<double, S::kCount> mass{};
  for (int h = S::kFirstHand; h < S::kCount; ++h) mass[h] = sets.chance(h);
  std::array<double, S::kHands> done{};
  for (int left = 2; left >= 1; --left) {
    std::array<double, S::kCount> kept{};
    for (int h = S::kFirstHand; h < S::kCount; ++h) {
      const int set = tree.bestSet(h, left);
      (set == h ? done[h - S::kFirstHand] : kept[set]) += mass[h];
    }
    // Sets are numbered by size: each passes its chance on to the larger ones.
    for (int s = 0; s < S::kFirstHand; ++s)
      if (kept[s] != 0)
        for (int next : sets.more(s)) kept[next] += kept[s] / kFaces;
    mass = kept;
  }
  std::vector<Outcome> out;
  for (int h = S::kFirstHand; h < S::kCount; ++h) {
    const double chance = done[h - S::kFirstHand] + mass[h];
    const int box = boxOf[h - S::kFirstHand];
    const int points = sets.value(h, box);
    auto same = std::find_if(out.begin(), out.end(),
                             [&](const Outcome& o) { return o.box == box && o.points == points; });
    if (same == out.end())
      out.push_back({box, points, chance});
    else
      same->chance += chance;
  }
  return out;
}

}  // namespace

std::vector<double> finalScores(const Strategy& strategy, const Spread& spread,
                                const Standing& standing) {
  std::vector<double> law(kScoreLimit, 0.0);
  if (freeBoxes(standing.sheet) > kExactRival) {
    int first = 0;
    const auto normal = normalLaw(standing.points + strategy.future(standing.sheet),
                                  spread.variance(standing.sheet), first);
    for (std::size_t i = 0; i < normal.size(); ++i)
      law[std::clamp(first + static_cast<int>(i), 0, kScoreLimit - 1)] += normal[i];
    return law;
  }
  // Turn by turn, the chance of each sheet and of the points it holds.
  std::map<std::pair<unsigned, int>, std::vector<double>> layer;
  layer[{standing.sheet.used, standing.sheet.upper}] = law;
  layer.begin()->second[standing.points] = 1;
  while (layer.begin()->first.first != kFullSheet) {
    std::map<std::pair<unsigned, int>, std::vector<double>> next;
    for (const auto& [key, points] : layer) {
      const Sheet sheet{key.first, key.second};
      for (const Outcome& o : turnOutcomes(strategy, sheet)) {
        const auto [after, gained] = enterBox(sheet, o.box, o.points);
        auto [slot, fresh] = next.try_emplace({after.used, capped(after.upper)});
        if (fresh) slot->second.assign(kScoreLimit, 0.0);
        for (int p = 0; p + gained < kScoreLimit; ++p)
          slot->second[p + gained] += o.chance * points[p];
      }
    }
    layer = std::move(next);
  }
  for (const auto& [key, points] : layer)
    for (int p = 0; p < kScoreLimit; ++p) law[p] += points[p];
  return law;
}

Champion::Champion(const Strategy& strategy, const Spread& spread, const Standing& own,
                   const Standing& rival)
    : strategy_(strategy), spread_(spread), own_(own), win_(kScoreLimit) {
  const auto rivalLaw = finalScores(strategy, spread, rival);
  double below = 0;
  for (int s = 0; s < kScoreLimit; ++s) {
    win_[s] = below + rivalLaw[s] / 2;
    below += rivalLaw[s];
  }
  tree_.emplace(entries(own.sheet, own.points));
}

Worth Champion::after(const Sheet& sheet, int points) {
  const int left = freeBoxes(sheet);
  if (left == 0) return {win_[std::min(points, kScoreLimit - 1)], double(points)};
  if (left <= kExactOwn) return exact(sheet, points);
  auto [slot, fresh] = kernels_.try_emplace({sheet.used, capped(sheet.upper)});
  Kernel& k = slot->second;
  if (fresh) k.law = normalLaw(strategy_.future(sheet), spread_.variance(sheet), k.first);
  double sum = 0;
  for (std::size_t i = 0; i < k.law.size(); ++i)
    sum += k.law[i] * win_[std::clamp(points + k.first + static_cast<int>(i), 0, kScoreLimit - 1)];
  return {sum, points + strategy_.future(sheet)};
}

Worth Champion::exact(const Sheet& sheet, int points) {
  const auto key = std::make_tuple(sheet.used, capped(sheet.upper), points);
  if (auto known = exact_.find(key); known != exact_.end()) return known->second;
  const Worth chance = TurnTree<Worth>(entries(sheet, points)).start();
  exact_.emplace(key, chance);
  return chance;
}

TurnTree<Worth>::Entries Champion::entries(const Sheet& sheet, int points) {
  const DiceSets& sets = DiceSets::get();
  TurnTree<Worth>::Entries entry;
  entry.fill({-1, 0});
  for (int box = 0; box < kCategories; ++box) {
    if (sheet.used & (1u << box)) continue;
    // Hands worth the same here lead to the same chance.
    std::array<Worth, 128> byPoints;
    byPoints.fill({-1, 0});
    for (int h = 0; h < DiceSets::kHands; ++h) {
      const auto [next, gained] = enterBox(sheet, box, sets.value(h + DiceSets::kFirstHand, box));
      Worth& chance = byPoints[gained];
      if (chance.win < 0) chance = after(next, points + gained);
      if (entry[h] < chance) entry[h] = chance;
    }
  }
  return entry;
}

Champion::Box Champion::bestBox(const Counts& dice) {
  const int hand = DiceSets::get().index(dice);
  Box best;
  for (int box = 0; box < kCategories; ++box) {
    if (own_.sheet.used & (1u << box)) continue;
    const auto [next, gained] = enterBox(own_.sheet, box, DiceSets::get().value(hand, box));
    const Worth worth = after(next, own_.points + gained);
    if (best.box < 0 || best.worth < worth) best = {box, worth};
  }
  return best;
}

}  // namespace advisor
