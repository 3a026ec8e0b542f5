// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer tells the player what can be clicked: the hand over what acts,
// the question arrow over the category names, the arrow elsewhere.

#include "flow/game_window.h"

void GameWindow::wireHoverPointers() {
  Board& b = board;
  auto hand = [&b] { b.showHandPointer(); };
  auto standard = [&b] { b.setMousePointerStandard(); };
  b.Label1.MouseMove = hand;
  b.OK.MouseMove = hand;
  b.Label2.MouseMove = hand;
  b.Label29.MouseMove = hand;
  // The category names and "PREMIO" explain themselves; the totals do not.
  for (int k = 0; k < int(b.Label4.size()); ++k) {
    if (k <= Board::kPremioTitle)
      b.Label4[k].MouseMove = [&b] { b.showQuestionPointer(); };
    else
      b.Label4[k].MouseMove = standard;
  }
  for (Label& l : b.Label9) l.MouseMove = [&b] { b.setMousePointerCustom(); };
  for (Label& l : b.Label3) l.MouseMove = standard;
  b.Label5.MouseMove = standard;
  b.PREMIO.MouseMove = standard;
  for (PictureBox& p : b.sfondo) p.MouseMove = standard;
}

void GameWindow::Image2_MouseMove() { board.setMousePointerStandard(); }
void GameWindow::Image3_MouseMove() { board.setMousePointerStandard(); }
