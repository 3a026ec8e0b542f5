// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/analysis.h"

#include <algorithm>


namespace {

// Longest run of consecutive faces present among the dice.
int longestRun(const std::array<int, 7>& count) {
  int best = 0;
  int run = 0;
  for (int face = 1; face <= 6; ++face) {
    run = count[face] > 0 ? run + 1 : 0;
    best = std::max(best, run);
  }
  return best;
}

}  // namespace

DiceAnalysis analyseDice(const std::array<int, 5>& faces) {
  DiceAnalysis a;
  for (int f : faces) {
    a.sum += f;
    if (f >= 1 && f <= 6) ++a.count[f];
  }
  bool pair = false;
  for (int face = 1; face <= 6; ++face) {
    const int n = a.count[face];
    if (n >= 3) a.threeOfAKind = a.sum;
    if (n >= 4) a.fourOfAKind = a.sum;
    if (n == 5) a.fiveOfAKind = 50;
    if (n == 2) pair = true;
  }
  if (a.threeOfAKind > 0 && pair) a.fullHouse = 25;
  // A straight needs its faces in an unbroken row: 1 2 3 5 6 is no small one.
  const int run = longestRun(a.count);
  if (run >= 4) a.smallStraight = 30;
  if (run >= 5) a.largeStraight = 40;
  return a;
}
