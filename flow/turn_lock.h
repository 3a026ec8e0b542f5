// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/game_window.h"

// Holds turn input back while a throw or the end of throwing runs. If the
// game is abandoned meanwhile, the new game's state is left alone.
class TurnLock {
 public:
  explicit TurnLock(GameWindow& game)
      : game_(game), serial_(game.gameSerial_), before_(game.turnBusy_) {
    game_.turnBusy_ = true;
  }
  ~TurnLock() {
    if (game_.gameSerial_ == serial_) game_.turnBusy_ = before_;
  }
  TurnLock(const TurnLock&) = delete;
  TurnLock& operator=(const TurnLock&) = delete;

 private:
  GameWindow& game_;
  int serial_;
  bool before_;
};
