// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"
#include "flow/number_text.h"
#include "scoring/sheet_totals.h"

SheetTotals sheetTotals(const std::array<Label, kCategories>& boxes) {
  SheetTotals t;
  for (int i = 0; i < kCategories; ++i)
    (kCategoryTable[i].upper() ? t.upper : t.lower) += wholeNumber(boxes[i].caption());
  t.bonus = upperBonus(t.upper);
  return t;
}

// Recomputes every total from the boxes of the sheet on the board; a zero
// total is left empty.
void GameWindow::SommaTotali() {
  Board& b = board;
  const SheetTotals t = sheetTotals(b.PUNTI);
  auto blankZero = [](long v) { return v == 0 ? std::string() : numberText(v); };
  b.TPS[0].setCaption(blankZero(t.upper));
  b.TPS[1].setCaption(blankZero(t.upper));
  b.PREMIO.setCaption(blankZero(t.bonus));
  b.TPI.setCaption(blankZero(t.lower));
  b.TOTALE.setCaption(blankZero(t.grand()));
}
