// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "flow/game_window.h"
#include "flow/number_text.h"
#include "scoring/open_boxes.h"
#include "scoring/sheet_totals.h"

void GameWindow::PUNTI_Click(int Index) {
  if (!turnInputOpen()) return;
  if (SceltaAttiva == 1) Scelta(Index);
}

// Enters the hand in a category, for now: another free box moves the entry,
// "ACCETTA" makes it final. The last entry of the game is final at once.
void GameWindow::Scelta(int Index) {
  Board& b = board;
  if (!handAnalysed(b)) return;
  if (!boxFree(b, Index)) {
    play(sound::kBoxTaken);
    return;
  }
  b.OK.Show();
  b.OKM.Show();

  // The totals of the halves that change are shown, 0 included.
  bool upperChanged = kCategoryTable[Index].upper();
  bool lowerChanged = !upperChanged;
  if (CategoriaScelta > 0) {
    const int k = CategoriaScelta - 1;
    (kCategoryTable[k].upper() ? upperChanged : lowerChanged) = true;
    b.PUNTI[k].setCaption("");
  }

  const long entry = handPoints(Index);
  b.PUNTI[Index].setCaption(numberText(entry));
  CategoriaScelta = Index + 1;

  const SheetTotals t = sheetTotals(b.PUNTI);
  if (upperChanged) {
    b.TPS[0].setCaption(numberText(t.upper));
    b.TPS[1].setCaption(numberText(t.upper));
  }
  if (lowerChanged) b.TPI.setCaption(numberText(t.lower));
  // Once the upper half is full, a missed bonus shows as 0.
  const bool upperFull = std::none_of(b.PUNTI.begin(), b.PUNTI.begin() + kUpperCategories,
                                      [](const Label& box) { return box.caption().empty(); });
  b.PREMIO.setCaption(t.bonus > 0 ? numberText(t.bonus) : upperFull ? "0" : "");
  b.TOTALE.setCaption(numberText(t.grand()));
  if (Giocatore == giocatore::kAloneOrFirstName || Giocatore == giocatore::kSecondOfTwo)
    Totale2 = b.TOTALE.caption();
  if (Giocatore == giocatore::kFirstOfTwo) Totale1 = b.TOTALE.caption();

  play(entry > 0 ? sound::kScored : sound::kScoredZero);
  endOfGame();
}
