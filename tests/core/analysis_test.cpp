// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/analysis.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  std::array<int, 5> dice;
  int sum, three, four, full, small, large, five;
};

// Hands and what they are worth in every category that is not a plain count.
const Case kCases[] = {
    {{4, 4, 4, 4, 4}, 20, 20, 20, 0, 0, 0, 50},  // five of a kind is no full house
    {{2, 3, 2, 3, 3}, 13, 13, 0, 25, 0, 0, 0},   // full house
    {{6, 6, 6, 6, 1}, 25, 25, 25, 0, 0, 0, 0},   // four of a kind is no full house
    {{5, 1, 4, 2, 3}, 15, 0, 0, 0, 30, 40, 0},   // a large straight is a small one too
    {{2, 6, 3, 5, 4}, 20, 0, 0, 0, 30, 40, 0},
    {{1, 2, 3, 4, 4}, 14, 0, 0, 0, 30, 0, 0},
    {{1, 2, 2, 3, 4}, 12, 0, 0, 0, 30, 0, 0},
    {{3, 4, 5, 6, 6}, 24, 0, 0, 0, 30, 0, 0},
    {{6, 3, 1, 5, 4}, 19, 0, 0, 0, 30, 0, 0},  // 3-4-5-6 with a stray 1
    {{1, 2, 3, 5, 6}, 17, 0, 0, 0, 0, 0, 0},   // two runs across a gap are no straight
    {{1, 2, 4, 5, 6}, 18, 0, 0, 0, 0, 0, 0},
    {{3, 3, 4, 4, 5}, 19, 0, 0, 0, 0, 0, 0},  // two pairs are no full house
    {{1, 1, 2, 2, 6}, 12, 0, 0, 0, 0, 0, 0},
    {{3, 3, 3, 5, 5}, 19, 19, 0, 25, 0, 0, 0},
};

TEST(DiceAnalysis, CategoryValuesOfKnownHands) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(::testing::PrintToString(c.dice));
    const DiceAnalysis a = analyseDice(c.dice);
    EXPECT_EQ(a.sum, c.sum);
    EXPECT_EQ(a.threeOfAKind, c.three);
    EXPECT_EQ(a.fourOfAKind, c.four);
    EXPECT_EQ(a.fullHouse, c.full);
    EXPECT_EQ(a.smallStraight, c.small);
    EXPECT_EQ(a.largeStraight, c.large);
    EXPECT_EQ(a.fiveOfAKind, c.five);
  }
}

TEST(DiceAnalysis, CountsEveryFace) {
  const DiceAnalysis a = analyseDice({6, 1, 6, 3, 6});
  EXPECT_EQ(a.count[1], 1);
  EXPECT_EQ(a.count[2], 0);
  EXPECT_EQ(a.count[3], 1);
  EXPECT_EQ(a.count[6], 3);
}

}  // namespace
