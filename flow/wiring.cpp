// SPDX-License-Identifier: GPL-3.0-or-later
// Which handler answers which element of the board.

#include "flow/game_window.h"

void GameWindow::wireHandlers() {
  Board& b = board;
  b.tira.Click = [this] { tira_Click(); };
  b.tira.MouseMove = [this] { tira_MouseMove(); };
  for (int i = 0; i < kTrayPlaces; ++i) {
    b.dado[i].Click = [this, i] { dado_Click(i); };
    b.dado[i].MouseMove = [this, i] { dado_MouseMove(i); };
  }
  for (int k = 0; k < kDice; ++k) {
    b.tieni[k].Click = [this, k] { tieni_Click(k); };
    b.tieni[k].MouseMove = [this, k] { tieni_MouseMove(k); };
  }
  b.Label2.Click = [this] { Label2_Click(); };
  b.Label29.Click = [this] { Label29_Click(); };
  for (int i = 0; i < kCategories; ++i) {
    b.PUNTI[i].Click = [this, i] { PUNTI_Click(i); };
    b.PUNTI[i].MouseMove = [this, i] { PUNTI_MouseMove(i); };
  }
  for (int i = 0; i < 2; ++i) b.TPS[i].MouseMove = [this, i] { TPS_MouseMove(i); };
  b.TOTALE.Click = [this] { TOTALE_Click(); };
  b.OK.Click = [this] { OK_Click(); };
  b.Label1.Click = [this] { Label1_Click(); };
  b.Image2.DblClick = [this] { Image2_DblClick(); };
  b.Image2.MouseMove = [this] { Image2_MouseMove(); };
  b.Image3.MouseMove = [this] { Image3_MouseMove(); };
}
