// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"
#include "flow/number_text.h"

// The hand just thrown: the held dice, then those on the tray.
void GameWindow::logThrow() {
  if (!turnLog_) return;
  std::array<int, kDice> dice{};
  std::array<bool, kDice> held{};
  int n = 0;
  for (int k = 0; k < kDice && n < kDice; ++k)
    if (Tenuto[k]) {
      held[n] = true;
      dice[n++] = ValoreDado[k];
    }
  for (int i = 0; i < kTrayPlaces && n < kDice; ++i)
    if (Occupato[i]) dice[n++] = FacciaPos[i];
  turnLog_->thrown(seatOnTurn(), dice, held);
}

void GameWindow::logAcceptedEntry() {
  if (!turnLog_ || CategoriaScelta < 1) return;
  const int box = CategoriaScelta - 1;
  turnLog_->accepted(seatOnTurn(), box,
                     static_cast<int>(readLeadingNumber(board.PUNTI[box].caption())));
}

void GameWindow::logAbandon() {
  if (turnLog_ && playing_) turnLog_->abandoned();
}
