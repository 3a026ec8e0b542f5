// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "history/game_record.h"

namespace advisor {

class Strategy;

// One choice of a turn set beside the best one, both valued as the final
// score the sheet expects after it.
struct Decision {
  int turn = 0;         // the player's turn, 1 to 13
  int afterThrow = 0;   // 1 to 3
  bool box = false;     // a box taken; otherwise dice kept (all five: stopping)
  std::string dice;     // the hand, "33345"
  std::string chosen;   // the dice kept or the box's name
  std::string best;
  double chosenValue = 0, bestValue = 0;
  double loss() const { return bestValue - chosenValue; }
};

struct Review {
  std::vector<Decision> decisions;
  double expectedAtStart = 0;  // perfect play from the empty sheet
  double lost = 0;             // summed over the decisions
  double precision = 0;        // share of the decisions as good as the best
};

// Plays one seat's turns of a game back against perfect play. Turns whose
// dice do not make sense (an edited file) are passed over.
Review reviewGame(const Strategy& strategy, const history::Game& game, int seat);

}  // namespace advisor
