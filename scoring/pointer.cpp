// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"
#include "scoring/open_boxes.h"

// The hand shows over the boxes a click would fill now: free boxes while a
// category may be chosen in a game still going. A box that reads "0" is used,
// and after the end of a game or an abort no box takes anything.
void GameWindow::PUNTI_MouseMove(int Index) {
  if (!boxTakesHand(*this, Index)) {
    board.setMousePointerStandard();
    return;
  }
  board.showHandPointer();
}

void GameWindow::TPS_MouseMove(int) { board.setMousePointerStandard(); }
void GameWindow::TOTALE_Click() { board.setMousePointerStandard(); }
