#include "flow/game_window.h"
#include "flow/number_text.h"

// Recomputes every total from the boxes of the sheet on the board; a zero
// total is left empty.
void GameWindow::SommaTotali() {
  Board& b = board;
  long upper = 0;
  long lower = 0;
  for (int i = 0; i <= 5; ++i) upper += wholeNumber(b.PUNTI[i].caption());
  for (int i = 6; i <= 12; ++i) lower += wholeNumber(b.PUNTI[i].caption());
  const long bonus = upper > 62 ? 35 : 0;
  const long total = upper + bonus + lower;
  auto blankZero = [](long v) { return v == 0 ? std::string() : numberText(v); };
  b.TPS[0].setCaption(blankZero(upper));
  b.TPS[1].setCaption(blankZero(upper));
  b.PREMIO.setCaption(bonus ? "35" : "");
  b.TPI.setCaption(blankZero(lower));
  b.TOTALE.setCaption(blankZero(total));
}
