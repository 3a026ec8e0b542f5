// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// What five dice are worth in every category.
struct DiceAnalysis {
  std::array<int, 7> count{};  // count[f]: dice showing face f (1 to 6)
  int sum = 0;                 // also the value of "Chance"
  int threeOfAKind = 0;
  int fourOfAKind = 0;
  int fullHouse = 0;      // 25: three of one face and two of another
  int smallStraight = 0;  // 30: four faces in a row
  int largeStraight = 0;  // 40: five faces in a row
  int fiveOfAKind = 0;    // 50
};

DiceAnalysis analyseDice(const std::array<int, 5>& faces);
