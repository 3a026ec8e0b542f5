#include "flow/game_window.h"
#include "flow/number_text.h"

// While a category may be chosen, the hand shows over the boxes that read 0.
void GameWindow::PUNTI_MouseMove(int Index) {
  if (SceltaAttiva != 1 || readLeadingNumber(board.PUNTI[Index].caption()) != 0) {
    board.setMousePointerStandard();
    return;
  }
  board.showHandPointer();
}

void GameWindow::TPS_MouseMove(int) { board.setMousePointerStandard(); }
void GameWindow::TOTALE_Click() { board.setMousePointerStandard(); }
