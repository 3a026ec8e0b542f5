// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"
#include "flow/turn_lock.h"

// The end of throwing: after a second every die left on the tray joins the
// hold row, and the hand is analysed.
void GameWindow::finisci() {
  TurnLock lock(*this);
  Board& b = board;
  SceltaAttiva = 1;
  for (Element* e : std::initializer_list<Element*>{&b.tieniF, &b.Label2, &b.Label29, &b.tieniF29,
                                                    &b.tira, &b.TiroF})
    e->Hide();
  // A selection left over would bring the hold prompt back over the final hand.
  for (Shape& mark : b.filtro) mark.Hide();
  for (Shape& mark : b.filtroT) mark.Hide();
  if (!waitAndStillCurrent(1)) return;

  for (int j = 0; j < kTrayPlaces; ++j) {
    b.dado[j].Hide();
    b.filtro[j].Hide();
    if (Occupato[j] && !holdInFirstFreeSlot(j, false)) break;
  }
  for (int k = 0; k < kDice; ++k) Tenuto[k] = false;
  controlla();
}

void GameWindow::Label29_Click() {
  if (!turnInputOpen()) return;
  NumTiro = 5;
  finisci();
}
