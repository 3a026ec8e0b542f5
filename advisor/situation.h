// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "advisor/champion.h"

class GameWindow;

namespace advisor {

// The turn on the board as a player deciding it sees it. Read from the game,
// never written.
struct Situation {
  enum class Step {
    kFirstThrow,  // no dice yet
    kKeep,        // before throw number 2 or 3: which dice to keep, or stop
    kBox,         // the throwing is over: which box
  };
  Step step = Step::kFirstThrow;
  Standing own;                   // without this turn's entry, which can still move
  std::optional<Standing> rival;  // in a game for two: the other sheet
  Counts dice{};                  // kKeep and kBox: the five dice
  int throwsLeft = 0;             // kKeep: 2 or 1
};

// Nothing when there is nothing to decide: no game, a throw running, the
// names still being typed, the game over.
std::optional<Situation> situationOf(const GameWindow& game);

// A sheet of box captions as the board shows it.
Standing standingOf(const std::array<std::string, kCategories>& captions, int skippedBox = -1);

// Dice on the board: a die on the tray at mat position i, a die held in slot k.
bool onTray(const GameWindow& game, int i);
bool held(const GameWindow& game, int k);

}  // namespace advisor
