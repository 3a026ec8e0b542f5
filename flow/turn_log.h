// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "board/assets.h"

// Someone who keeps track of the games played: the game tells it what
// happened at the points where its handlers already act. Whether anyone
// listens or not, the game itself does exactly the same.
class TurnLog {
 public:
  virtual ~TurnLog() = default;
  // The last name is accepted: the game is on. `players` is 1 or 2.
  virtual void started(int players, const std::array<std::string, 2>& names) = 0;
  // The dice have landed: the five of the hand, and which of them were held
  // from the throw before. `seat` is 0 for the first (or only) player, 1 for the second.
  virtual void thrown(int seat, const std::array<int, kDice>& dice,
                      const std::array<bool, kDice>& held) = 0;
  // An entry is final: confirmed with "ACCETTA", or the last of the game.
  virtual void accepted(int seat, int box, int points) = 0;
  // Every entry of the game is made.
  virtual void over() = 0;
  // The game was left before its end: "Interrompi", "Inizia", the window closed.
  virtual void abandoned() = 0;
};
