// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "flow/turn_log.h"
#include "history/game_record.h"

namespace history {

// Builds the record of the game being played from what the game tells its
// turn log, and hands it on at every confirmed turn and at the end.
class Recorder : public TurnLog {
 public:
  // Called with the game so far after each confirmed turn, once over and once abandoned.
  std::function<void(const Game&)> changed;
  // Called when a game begins, before any turn.
  std::function<void(const Game&)> begun;

  // The game being played or the last one played; empty before the first.
  const Game& game() const { return game_; }
  // A computer plays this seat of the game under way.
  void setComputer(int seat, const std::string& level);

  void started(int players, const std::array<std::string, 2>& names) override;
  void thrown(int seat, const std::array<int, kDice>& dice,
              const std::array<bool, kDice>& held) override;
  void accepted(int seat, int box, int points) override;
  void over() override;
  void abandoned() override;

 private:
  Game game_;
  Turn turn_;  // the turn under way
};

}  // namespace history
