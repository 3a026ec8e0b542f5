#pragma once

#include <array>
#include <vector>

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

  int size(int set) const { return size_[set]; }
  const Counts& counts(int set) const { return counts_[set]; }
  int index(const Counts& counts) const;
  // For a set of fewer than five dice: the sets with one more die, of face
  // 1 to 6 in turn.
  const std::array<int, 6>& more(int set) const { return more_[set]; }
  // The sets with one die fewer; the list is padded with repeats to six
  // entries, so maxima over it need no test. The empty set lists itself.
  const std::array<int, 6>& fewer(int set) const { return fewer_[set]; }
  int firstOfSize(int n) const { return first_[n]; }
  // For hands only (kFirstHand and later): the chance that five thrown dice
  // show it, and what it is worth in each box of the sheet.
  double chance(int hand) const { return chance_[hand - kFirstHand]; }
  int value(int hand, int box) const { return value_[hand - kFirstHand][box]; }

 private:
  DiceSets();

  std::vector<Counts> counts_;
  std::vector<int> size_;
  std::vector<std::array<int, 6>> more_, fewer_;
  std::array<int, 7> first_{};
  std::vector<int> lookup_;  // counts read as a number in base 6 -> set
  std::vector<double> chance_;
  std::vector<std::array<int, 13>> value_;
};

}  // namespace advisor
