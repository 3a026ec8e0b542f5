// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/dice_sets.h"

#include "scoring/analysis.h"

namespace advisor {

namespace {

int key(const Counts& c) {
  int k = 0;
  for (int f = 6; f >= 1; --f) k = k * 6 + c[f];
  return k;
}

// All count vectors of n dice, the count of face 1 varying slowest.
void addSetsOfSize(int n, int face, Counts& c, std::vector<Counts>& out) {
  if (face == 6) {
    c[6] = n;
    out.push_back(c);
    return;
  }
  for (int k = n; k >= 0; --k) {
    c[face] = k;
    addSetsOfSize(n - k, face + 1, c, out);
  }
  c[face] = 0;
}

}  // namespace

const DiceSets& DiceSets::get() {
  static const DiceSets sets;
  return sets;
}

DiceSets::DiceSets() : lookup_(6 * 6 * 6 * 6 * 6 * 6, -1) {
  for (int n = 0; n <= 5; ++n) {
    Counts c{};
    addSetsOfSize(n, 1, c, counts_);
  }
  for (int s = 0; s < kCount; ++s) lookup_[key(counts_[s])] = s;

  more_.resize(kCount);
  fewer_.resize(kCount);
  for (int s = 0; s < kCount; ++s) {
    const Counts& c = counts_[s];
    int n = 0;
    for (int f = 1; f <= 6; ++f) n += c[f];
    int fewer = 0;
    for (int f = 1; f <= 6; ++f) {
      Counts d = c;
      if (n < kDice) {
        ++d[f];
        more_[s][f - 1] = index(d);
        --d[f];
      }
      if (c[f] > 0) {
        --d[f];
        fewer_[s][fewer++] = index(d);
      }
    }
    fewerCount_.push_back(fewer);
  }

  // 5! / (c1! ... c6!) orders of throwing the same hand, out of 6^5.
  const int factorial[6] = {1, 1, 2, 6, 24, 120};
  for (int h = kFirstHand; h < kCount; ++h) {
    const Counts& c = counts_[h];
    int orders = 120;
    std::array<int, 5> faces{};
    int d = 0;
    for (int f = 1; f <= 6; ++f) {
      orders /= factorial[c[f]];
      for (int k = 0; k < c[f]; ++k) faces[d++] = f;
    }
    chance_.push_back(orders / 7776.0);
    const DiceAnalysis a = analyseDice(faces);
    for (int box = 0; box < kCategories; ++box) worth_[box][h - kFirstHand] = categoryValue(a, box);
    for (int f = 1; f <= 6; ++f) dice_[f][h - kFirstHand] = c[f];
  }
}

int DiceSets::index(const Counts& counts) const { return lookup_[key(counts)]; }

}  // namespace advisor
