// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"

void GameWindow::showSecondPlayerPanel(bool shown) {
  Board& b = board;
  b.nom2.setVisible(shown);
  if (shown) b.nom2.setCaption("PLAYER2");
  b.nom2P.setCaption(shown ? "0" : "");
  b.nom2P.setVisible(shown);
  b.nom2_1.setVisible(shown);
  b.Nom2_2.setVisible(shown);
}

void GameWindow::resetMenu() {
  board.Play1.Checked = true;
  board.Play2.Checked = false;
  board.Play1.Enabled = board.Play2.Enabled = board.Gioca.Enabled = true;
}

void GameWindow::Play1_Click() {
  board.Play2.Checked = false;
  board.Play1.Checked = true;
  NumGiocatori = 1;
  showSecondPlayerPanel(false);
}

void GameWindow::Play2_Click() {
  board.Play1.Checked = false;
  board.Play2.Checked = true;
  NumGiocatori = 2;
  showSecondPlayerPanel(true);
}

void GameWindow::Gioca_Click() {
  Board& b = board;
  logAbandon();
  abandonWaits();
  b.Play1.Enabled = b.Play2.Enabled = false;
  b.Text1.setText("");
  NumGiocatori = b.Play1.Checked ? 1 : 2;
  b.PLAYER.setCaption("PLAYER1");
  showSecondPlayerPanel(NumGiocatori == 2);
  for (Element* e : std::initializer_list<Element*>{&b.OK, &b.win1, &b.win2, &b.win3}) e->Hide();
  Giocatore = giocatore::kAloneOrFirstName;
  NumTurno = 0;
  for (int i = 0; i < kCategories; ++i) {
    b.PUNTI[i].setCaption("");
    Tabella1[i].clear();
    Tabella2[i].clear();
  }
  for (int i = 0; i < kTrayPlaces; ++i) {
    Occupato[i] = false;
    b.filtro[i].Hide();
  }
  for (Label* l : {&b.TPI, &b.TPS[0], &b.TPS[1], &b.TOTALE, &b.PREMIO}) l->setCaption("");
  for (int k = 0; k < kDice; ++k) {
    Tenuto[k] = false;
    PosDado[k].reset();  // else the first throw would keep off the last game's places
    b.tieni[k].Hide();
    b.filtroT[k].Hide();
  }
  b.tira.Show();
  b.TiroF.Show();
  Form_Load();
  InsNome();
  b.Gioca.Enabled = false;
}
