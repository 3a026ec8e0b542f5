// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"

// Both waits hand the window to the event loop until their time is up, so
// clicks, menu commands and timer ticks run meanwhile. The clock is a
// monotonic one: a wait across midnight ends on time.
void GameWindow::Pausa(double Tempo) {
  if (Tempo <= 0) return;
  platform_.runEventLoopUntil(platform_.monotonicSeconds() + Tempo);
}

void GameWindow::Attesa(double sec) { Pausa(sec); }

bool GameWindow::waitAndStillCurrent(double seconds) {
  const int serial = gameSerial_;
  Pausa(seconds);
  return serial == gameSerial_;
}
