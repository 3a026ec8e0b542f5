#include "flow/game_window.h"
#include "flow/number_text.h"

void GameWindow::PUNTI_Click(int Index) {
  if (!turnInputOpen()) return;
  if (SceltaAttiva == 1) Scelta(Index);
}

// Enters the hand in a category, for now: another free box moves the entry,
// "ACCETTA" makes it final. The last entry of the game is final at once.
void GameWindow::Scelta(int Index) {
  Board& b = board;
  for (std::size_t i = 0; i <= 4; ++i)
    if (b.List1.List(i).empty()) return;
  if (!b.PUNTI[Index].caption().empty()) {
    play("fx05.wav");
    return;
  }
  b.OK.Show();
  b.OKM.Show();

  if (CategoriaScelta > 0) {
    const int k = CategoriaScelta - 1;
    const long e = wholeNumber(b.PUNTI[k].caption());
    if (k < 6) {
      b.TPS[0].setCaption(numberText(wholeNumber(b.TPS[0].caption()) - e));
      b.TPS[1].setCaption(numberText(wholeNumber(b.TPS[1].caption()) - e));
    } else {
      b.TPI.setCaption(numberText(wholeNumber(b.TPI.caption()) - e));
    }
    b.PUNTI[k].setCaption("");
  }

  const int values[13] = {Conta1,     2 * Conta2,       3 * Conta3,        4 * Conta4,
                          5 * Conta5, 6 * Conta6,       Punti3Tipo,        Punti4Tipo,
                          PuntiFull,  PuntiScalaMinima, PuntiScalaMassima, PuntiPentaro,
                          SommaDadi};
  const long entry = values[Index];
  b.PUNTI[Index].setCaption(numberText(entry));
  if (Index < 6) {
    b.TPS[0].setCaption(numberText(wholeNumber(b.TPS[0].caption()) + entry));
    b.TPS[1].setCaption(numberText(wholeNumber(b.TPS[1].caption()) + entry));
  } else {
    b.TPI.setCaption(numberText(wholeNumber(b.TPI.caption()) + entry));
  }
  CategoriaScelta = Index + 1;

  int upperUsed = 0;
  for (int i = 0; i <= 5; ++i)
    if (!b.PUNTI[i].caption().empty()) ++upperUsed;
  b.PREMIO.setCaption(wholeNumber(b.TPS[0].caption()) > 62 ? "35" : "");
  if (b.PREMIO.caption().empty() && upperUsed == 6) b.PREMIO.setCaption("0");
  b.TOTALE.setCaption(numberText(wholeNumber(b.TPS[0].caption()) + wholeNumber(b.TPI.caption()) +
                                 wholeNumber(b.PREMIO.caption())));
  if (Giocatore == 0 || Giocatore == 2) Totale2 = b.TOTALE.caption();
  if (Giocatore == 1) Totale1 = b.TOTALE.caption();

  play(entry > 0 ? "fx04.wav" : "fx06.wav");
  endOfGame();
}
