#include "flow/game_window.h"
#include "flow/number_text.h"

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
    int q = 0;
    for (int j = 0; j <= 17; ++j) {
      if (!b.filtro[j].visible()) continue;
      while (q <= 4 && Tenuto[q]) ++q;
      if (q > 4) break;
      ValoreDado[q] = FacciaPos[j];
      PosDado[q] = j;
      Occupato[j] = false;
      Destinazione = 1;
      b.tieni[q].Show();
      Tenuto[q] = true;
      play("fx01.wav");
      Decrypt(q, "MC0000" + numberText(FacciaPos[j]) + ".EMX");
      b.dado[j].Hide();
      b.filtro[j].Hide();
      ++q;
    }
    return;
  }
  for (int k = 0; k <= 4; ++k) {
    if (!b.filtroT[k].visible()) continue;
    play("fx01.wav");
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
