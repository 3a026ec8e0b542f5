// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/strategy.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <bitset>
#include <thread>

#include "advisor/advice.h"

namespace advisor {

namespace {

constexpr unsigned kUpperPart = (1u << kUpperCategories) - 1;  // the upper part leads the sheet

// The upper totals (counted up to the line) that some play reaches with the
// given upper boxes filled: the others are never asked for.
std::array<std::bitset<kUppers>, kUpperPart + 1> reachableUppers() {
  std::array<std::bitset<kUppers>, kUpperPart + 1> reach{};
  reach[0].set(0);
  for (unsigned mask = 1; mask <= kUpperPart; ++mask) {
    int box = 0;
    while (!(mask & (1u << box))) ++box;
    const auto& before = reach[mask & ~(1u << box)];
    for (int u = 0; u < kUppers; ++u) {
      if (!before[u]) continue;
      for (int n = 0; n <= kDice; ++n)
        reach[mask].set(std::min(u + n * kCategoryTable[box].face, kBonusThreshold));
    }
  }
  return reach;
}

}  // namespace

std::shared_ptr<const Strategy> solve(const std::atomic<bool>* cancelled) {
  auto strategy = std::make_shared<const Strategy>(cancelled);
  if (cancelled && *cancelled) return nullptr;
  return strategy;
}

Strategy::Strategy(const std::atomic<bool>* cancelled)
    : future_(std::size_t{kFullSheet + 1} * kUppers, 0.0) {
  const auto reach = reachableUppers();
  forEachSheetLatestFirst(
      [&](unsigned used) {
        for (int u = 0; u < kUppers; ++u)
          if (reach[used & kUpperPart][u])
            future_[slot({used, u})] = TurnValues(future_, {used, u}).start();
      },
      cancelled);
}

void forEachSheetLatestFirst(const std::function<void(unsigned used)>& solveSheet,
                             const std::atomic<bool>* cancelled) {
  std::array<std::vector<unsigned>, kCategories> level;
  for (unsigned used = 0; used < kFullSheet; ++used) level[std::popcount(used)].push_back(used);
  const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
  for (int entries = kCategories - 1; entries >= 0; --entries) {
    const std::vector<unsigned>& sheets = level[entries];
    std::atomic<std::size_t> next = 0;
    auto work = [&] {
      for (std::size_t i; (i = next++) < sheets.size() && !(cancelled && *cancelled);)
        solveSheet(sheets[i]);
    };
    std::vector<std::jthread> helpers;
    for (unsigned w = 1; w < std::min<std::size_t>(workers, sheets.size()); ++w)
      helpers.emplace_back(work);
    work();
  }
}

double Strategy::future(const Sheet& sheet) const {
  return sheet.used == kFullSheet ? 0 : future_[slot(sheet)];
}

TurnValues::TurnValues(const Strategy& strategy, Sheet sheet)
    : TurnValues(strategy.future_, sheet) {}

TurnValues::TurnValues(const std::vector<double>& future, Sheet sheet)
    : future_(future), sheet_(sheet) {
  const DiceSets& sets = DiceSets::get();
  using S = DiceSets;
  // The best entry of every hand, box by box. An upper box brings its
  // points, the bonus they may complete and what the sheet then expects, all
  // set by the number of dice of its face; a lower box brings its points and
  // an expectation that does not depend on the hand.
  auto& entry = hand_[0];
  entry.fill(-1);
  for (int box = 0; box < kCategories; ++box) {
    if (sheet.used & (1u << box)) continue;
    if (const int face = kCategoryTable[box].face; face > 0) {
      std::array<double, kDice + 1> byCount{};
      for (int n = 0; n <= kDice; ++n) byCount[n] = n * face + gain(box, n * face);
      const auto& dice = sets.dice(face);
      for (int h = 0; h < S::kHands; ++h) entry[h] = std::max(entry[h], byCount[dice[h]]);
    } else {
      const double later = gain(box, 0);
      const auto& worth = sets.worth(box);
      for (int h = 0; h < S::kHands; ++h) entry[h] = std::max(entry[h], worth[h] + later);
    }
  }
  // One die at a time: keeping s is worth the mean of keeping s and each face.
  std::array<double, S::kCount> bestWithin{};
  for (int t = 1; t <= 2; ++t) {
    auto& keep = keep_[t - 1];
    std::copy(hand_[t - 1].begin(), hand_[t - 1].end(), keep.begin() + S::kFirstHand);
    for (int s = S::kFirstHand - 1; s >= 0; --s) {
      double sum = 0;
      for (int next : sets.more(s)) sum += keep[next];
      keep[s] = sum / 6;
    }
    // The best set to keep within each set, growing from the empty one;
    // keeping a whole hand means stopping.
    std::copy(hand_[0].begin(), hand_[0].end(), keep.begin() + S::kFirstHand);
    for (int s = 0; s < S::kCount; ++s) {
      double best = keep[s];
      for (int less : sets.fewer(s)) best = std::max(best, bestWithin[less]);
      bestWithin[s] = best;
    }
    std::copy(bestWithin.begin() + S::kFirstHand, bestWithin.end(), hand_[t].begin());
  }
  for (int h = S::kFirstHand; h < S::kCount; ++h)
    start_ += sets.chance(h) * hand_[2][h - S::kFirstHand];
}

double TurnValues::enter(int hand, int box) const {
  const int points = DiceSets::get().value(hand, box);
  return points + gain(box, kCategoryTable[box].upper() ? points : 0);
}

double TurnValues::gain(int box, int upperPoints) const {
  const auto [after, gained] = enterBox(sheet_, box, upperPoints);
  return gained - upperPoints + (after.used == kFullSheet ? 0 : future_[slot(after)]);
}

KeepChoice TurnValues::bestKeep(const Counts& dice, int throwsLeft) const {
  const DiceSets& sets = DiceSets::get();
  const int hand = sets.index(dice);
  KeepChoice choice;
  choice.keep = dice;
  choice.stop = true;
  choice.future = hand_[0][hand - DiceSets::kFirstHand];
  // Every smaller set within the hand, face by face.
  for (Counts k{};;) {
    if (k != dice) {
      const double v = keep_[throwsLeft - 1][sets.index(k)];
      if (v > choice.future) choice = {k, false, v};
    }
    int f = 1;
    while (f <= 6 && k[f] == dice[f]) k[f++] = 0;
    if (f > 6) break;
    ++k[f];
  }
  return choice;
}

BoxChoice TurnValues::bestBox(const Counts& dice) const {
  const int hand = DiceSets::get().index(dice);
  BoxChoice choice;
  for (int box = 0; box < kCategories; ++box) {
    if (sheet_.used & (1u << box)) continue;
    const double v = enter(hand, box);
    if (choice.box < 0 || v > choice.future) choice = {box, v};
  }
  return choice;
}

double TurnValues::keepValue(const Counts& kept, int throwsLeft) const {
  const int set = DiceSets::get().index(kept);
  if (set >= DiceSets::kFirstHand) return hand_[0][set - DiceSets::kFirstHand];
  return keep_[throwsLeft - 1][set];
}

std::array<int, DiceSets::kHands> TurnValues::bestKeeps(int throwsLeft) const {
  const DiceSets& sets = DiceSets::get();
  const auto& keep = keep_[throwsLeft - 1];
  std::array<double, DiceSets::kCount> best{};
  std::array<int, DiceSets::kCount> arg{};
  for (int s = 0; s < DiceSets::kCount; ++s) {
    best[s] = keep[s];
    arg[s] = s;
    for (int less : sets.fewer(s))
      if (best[less] > best[s]) best[s] = best[less], arg[s] = arg[less];
  }
  std::array<int, DiceSets::kHands> keeps{};
  std::copy(arg.begin() + DiceSets::kFirstHand, arg.end(), keeps.begin());
  return keeps;
}

double TurnValues::boxValue(const Counts& dice, int box) const {
  return enter(DiceSets::get().index(dice), box);
}

}  // namespace advisor
