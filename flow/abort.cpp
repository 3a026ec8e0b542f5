// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"

// "Interrompi": the game is abandoned from wherever it is and the window goes
// back to rest. A procedure waiting in the middle of a throw gives up.
void GameWindow::basta_Click() {
  Board& b = board;
  logAbandon();
  abandonWaits();
  showSecondPlayerPanel(false);
  for (Element* e : std::initializer_list<Element*>{&b.nome1, &b.nome2, &b.Text1, &b.Label1,
                                                    &b.win1, &b.win2, &b.win3})
    e->Hide();
  b.Timer1.Enabled = false;
  b.Timer2.Enabled = false;
  resetMenu();
  NumGiocatori = 1;
  Giocatore = giocatore::kAloneOrFirstName;
  for (Element* e : std::initializer_list<Element*>{&b.OK, &b.OKM, &b.tira, &b.TiroF, &b.Label2,
                                                    &b.Label29, &b.tieniF, &b.tieniF29})
    e->Hide();
  for (int i = 0; i < kTrayPlaces; ++i) {
    b.dado[i].Hide();
    Occupato[i] = false;
    b.filtro[i].Show();
  }
  for (int k = 0; k < kDice; ++k) {
    b.filtroT[k].Hide();
    b.tieni[k].Hide();
  }
  for (int i = 0; i < kCategories; ++i) {
    Tabella1[i].clear();
    Tabella2[i].clear();
    b.PUNTI[i].setCaption("");
  }
  for (Label* l : {&b.PREMIO, &b.TPS[0], &b.TPS[1], &b.TPI, &b.TOTALE}) l->setCaption("");
  b.GameOver1.Show();
  b.GameOver2.Show();
}

// Double-clicking the cup puts the lid over the tray for the rest of the run.
void GameWindow::Image2_DblClick() {
  board.Image2.setPicture(nullptr);
  board.Image3.setPicture(platform_.loadBitmap(bitmap::kClosedTray));
}
