// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>

#include "advisor/dice_sets.h"

namespace advisor {

// One turn worked backwards from what each hand is worth once the throwing is
// over: what it is worth after each throw when every later keep is the best,
// and what each set of kept dice is worth before a throw. The worth `V` is a
// number, or anything that adds, scales and is ranked by operator<; the best
// keep is the highest ranked, and whatever else V carries follows that keep.
template <typename V>
class TurnTree {
 public:
  using Entries = std::array<V, DiceSets::kHands>;

  struct Keep {
    Counts keep{};  // all five: stop now
    bool stop = false;
    V worth{};
  };

  explicit TurnTree(const Entries& entry);

  // Before the first throw.
  const V& start() const { return start_; }
  // Before throw number 2 or 3, `throwsLeft` being 2 or 1 then.
  Keep bestKeep(const Counts& dice, int throwsLeft) const;
  // The same by numbers of DiceSets: the set kept, the hand itself to stop.
  int bestSet(int hand, int throwsLeft) const {
    return best_[throwsLeft - 1][hand - DiceSets::kFirstHand];
  }

 private:
  // hand_[t][h - kFirstHand]: hand h after a throw that leaves t more throws.
  std::array<Entries, 3> hand_;
  // keep_[t - 1][s]: keeping the set s of fewer than five dice and throwing
  // the rest, t throws left counting that one. The entries of whole hands
  // are scratch.
  std::array<std::array<V, DiceSets::kCount>, 2> keep_{};
  // best_[t - 1][h - kFirstHand]: the set to keep from hand h with t throws
  // left; the hand itself to stop.
  std::array<std::array<short, DiceSets::kHands>, 2> best_{};
  V start_{};
};

template <typename V>
TurnTree<V>::TurnTree(const Entries& entry) {
  using S = DiceSets;
  const S& sets = S::get();
  hand_[0] = entry;
  std::array<V, S::kCount> bestWithin{};
  std::array<short, S::kCount> bestSet{};
  for (int t = 1; t <= 2; ++t) {
    auto& keep = keep_[t - 1];
    // One die at a time: keeping s is worth the mean of keeping s and each face.
    std::copy(hand_[t - 1].begin(), hand_[t - 1].end(), keep.begin() + S::kFirstHand);
    for (int s = S::kFirstHand - 1; s >= 0; --s) {
      V sum = keep[sets.more(s)[0]];
      for (int f = 1; f < kFaces; ++f) sum = sum + keep[sets.more(s)[f]];
      keep[s] = sum * (1.0 / kFaces);
    }
    // The best set to keep within each set, growing from the empty one;
    // keeping a whole hand means stopping.
    std::copy(hand_[0].begin(), hand_[0].end(), keep.begin() + S::kFirstHand);
    for (int s = 0; s < S::kCount; ++s) {
      bestWithin[s] = keep[s];
      bestSet[s] = static_cast<short>(s);
      for (int less : sets.fewer(s))
        if (bestWithin[s] < bestWithin[less]) {
          bestWithin[s] = bestWithin[less];
          bestSet[s] = bestSet[less];
        }
    }
    std::copy(bestWithin.begin() + S::kFirstHand, bestWithin.end(), hand_[t].begin());
    std::copy(bestSet.begin() + S::kFirstHand, bestSet.end(), best_[t - 1].begin());
  }
  start_ = hand_[2][0] * sets.chance(S::kFirstHand);
  for (int h = S::kFirstHand + 1; h < S::kCount; ++h)
    start_ = start_ + hand_[2][h - S::kFirstHand] * sets.chance(h);
}

template <typename V>
typename TurnTree<V>::Keep TurnTree<V>::bestKeep(const Counts& dice, int throwsLeft) const {
  const DiceSets& sets = DiceSets::get();
  const int hand = sets.index(dice) - DiceSets::kFirstHand;
  const int set = best_[throwsLeft - 1][hand];
  if (set == hand + DiceSets::kFirstHand) return {dice, true, hand_[0][hand]};
  return {sets.counts(set), false, keep_[throwsLeft - 1][set]};
}
}  // namespace advisor
