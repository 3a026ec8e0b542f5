// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <vector>

#include "board/assets.h"

namespace advisor {

// Counts of dice per face: counts[f] dice show face f (1 to 6), counts[0] unused.
using Counts = std::array<int, 7>;

// Every set of up to five dice where only the faces matter (462 of them),
// numbered by size: all sets of n dice come before those of n + 1, so the
// 252 hands of five are the last ones. Made once, shared, read-only.
class DiceSets {
 public:
  static constexpr int kCount = 462;
  static constexpr int kHands = 252;
  static constexpr int kFirstHand = kCount - kHands;

  static const DiceSets& get();

  const Counts& counts(int set) const { return counts_[set]; }
  int index(const Counts& counts) const;
  // For a set of fewer than five dice: the sets with one more die, of face
  // 1 to 6 in turn.
  const std::array<int, 6>& more(int set) const { return more_[set]; }
  // The sets with one die fewer, one for each face the set has.
  std::span<const int> fewer(int set) const { return {fewer_[set].data(), fewerCount_[set]}; }
  // For hands only (kFirstHand and later): the chance that five thrown dice
  // show it, and what it is worth in each box of the sheet.
  double chance(int hand) const { return chance_[hand - kFirstHand]; }
  int value(int hand, int box) const { return static_cast<int>(worth_[box][hand - kFirstHand]); }
  // The same by box, hands in order: what every hand is worth there, and for
  // the faces how many dice of the face every hand has.
  const std::array<double, kHands>& worth(int box) const { return worth_[box]; }
  const std::array<int, kHands>& dice(int face) const { return dice_[face]; }

 private:
  DiceSets();

  std::vector<Counts> counts_;
  std::vector<std::array<int, 6>> more_, fewer_;
  std::vector<std::size_t> fewerCount_;
  std::vector<int> lookup_;  // counts read as a number in base 6 -> set
  std::vector<double> chance_;
  std::array<std::array<double, kHands>, kCategories> worth_{};
  std::array<std::array<int, kHands>, 7> dice_{};
};

}  // namespace advisor
