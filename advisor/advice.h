// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "flow/moves.h"

class GameWindow;

namespace advisor {

// The solved game: the expected final score of one player's sheet from every
// state it can reach, when every later choice is the best one. Immutable once
// made, so it can be shared between threads.
class Strategy;

// Works the whole table out (about a second of one core, shared among all of
// them, 4 MiB kept); any thread may call it. Nothing is made before the first
// call. Null when `cancelled` was set meanwhile.
std::shared_ptr<const Strategy> solve(const std::atomic<bool>* cancelled = nullptr);

// What the player on turn should do now, in the board's own terms.
struct Advice {
  // False when there is nothing to advise: no game, a throw running, the
  // names still being typed, the game over.
  bool available = false;
  // Before a throw: the tray dice dado(i) and held dice tieni(k) worth keeping
  // (of two dice with the same face the held one is named, so fewer dice move;
  // a held die left out is to go back on the tray).
  // Before the first throw of a turn there are no dice: both stay empty.
  std::vector<int> keepTray;
  std::vector<int> keepHeld;
  // Before a throw: stopping now beats throwing again; the two lists then
  // name all five dice.
  bool stop = false;
  // Once the throwing is over: the score box PUNTI(i) to choose.
  std::optional<int> box;
  // Expected final score of the player's sheet from here, playing as advised.
  double expected = 0;
  // In a game for two, advised to win: the chance of winning instead, a tie
  // counting half.
  std::optional<double> winChance;
};

// The marks the advice puts on the board, each as the move of clicking the
// marked element: the dice to keep, "FERMATI", the box.
std::vector<Move> marks(const Advice& advice);

// Reads the game, never changes it.
Advice adviseFor(const Strategy& strategy, const GameWindow& game);
// The same, and in a game for two the advice of "campione", to win.
struct Tables;
Advice adviseFor(const std::shared_ptr<const Tables>& tables, const GameWindow& game);

}  // namespace advisor
