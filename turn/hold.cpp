// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "flow/game_window.h"

// Selections on the tray and in the hold row exclude each other; the prompt
// that acts on them is drawn by the turn timer.
void GameWindow::dado_Click(int Index) {
  if (!turnInputOpen()) return;
  for (Shape& mark : board.filtroT) mark.Hide();
  if (SceltaAttiva == 0 && Occupato[Index])
    board.filtro[Index].setVisible(!board.filtro[Index].visible());
}

void GameWindow::tieni_Click(int Index) {
  if (!turnInputOpen()) return;
  if (!(NumTiro < 5 && Tenuto[Index] && SceltaAttiva == 0)) return;
  for (Shape& mark : board.filtro) mark.Hide();
  board.filtroT[Index].setVisible(!board.filtroT[Index].visible());
}

// "TIENI" moves the selected tray dice into the lowest free hold slots, in
// mat order; "SCARTA" puts the selected held dice back where they came from.
void GameWindow::Label2_Click() {
  if (!turnInputOpen()) return;
  Board& b = board;
  if (b.Label2.caption() == "TIENI") {
    for (int j = 0; j < kTrayPlaces; ++j) {
      if (!b.filtro[j].visible()) continue;
      if (!holdInFirstFreeSlot(j, true)) break;
      Occupato[j] = false;
      b.dado[j].Hide();
      b.filtro[j].Hide();
    }
    return;
  }
  for (int k = 0; k < kDice; ++k) {
    if (!b.filtroT[k].visible()) continue;
    play(sound::kKnock);
    if (PosDado[k]) {
      const int s = *PosDado[k];
      b.dado[s].Show();
      Occupato[s] = true;
    }
    PosDado[k].reset();
    b.filtroT[k].Hide();
    b.tieni[k].Hide();
    Tenuto[k] = false;
  }
}

std::optional<int> GameWindow::holdInFirstFreeSlot(int matPosition, bool knock) {
  const auto free = std::find(Tenuto.begin(), Tenuto.end(), false);
  if (free == Tenuto.end()) return std::nullopt;
  const int slot = static_cast<int>(free - Tenuto.begin());
  ValoreDado[slot] = FacciaPos[matPosition];
  PosDado[slot] = matPosition;
  Destinazione = destinazione::kHoldRow;
  board.tieni[slot].Show();
  Tenuto[slot] = true;
  if (knock) play(sound::kKnock);
  Decrypt(slot, uprightDieFile(FacciaPos[matPosition]));
  return slot;
}

void GameWindow::dado_MouseMove(int Index) {
  if (!Occupato[Index]) {
    board.setMousePointerStandard();
    return;
  }
  board.showHandPointer();
}

void GameWindow::tieni_MouseMove(int Index) {
  if (Tenuto[Index]) board.setMousePointerCustom();
}
