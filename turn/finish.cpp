#include "flow/game_window.h"
#include "flow/number_text.h"
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

  int q = 0;
  for (int j = 0; j <= 17; ++j) {
    b.dado[j].Hide();
    b.filtro[j].Hide();
    if (q > 4) break;
    if (!Occupato[j]) continue;
    while (q <= 4 && Tenuto[q]) ++q;
    if (q > 4) break;
    ValoreDado[q] = FacciaPos[j];
    PosDado[q] = j;
    Destinazione = 1;
    b.tieni[q].Show();
    Decrypt(q, "MC0000" + numberText(FacciaPos[j]) + ".EMX");
    Tenuto[q] = true;
    ++q;
  }
  for (int k = 0; k <= 4; ++k) Tenuto[k] = false;
  controlla();
}

void GameWindow::Label29_Click() {
  if (!turnInputOpen()) return;
  NumTiro = 5;
  finisci();
}
