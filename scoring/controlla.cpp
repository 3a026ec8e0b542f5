// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"
#include "flow/number_text.h"
#include "scoring/analysis.h"

// Works out the worth of the hand once; the category choice only copies it.
// A full list is the sign that this turn's dice have been analysed.
void GameWindow::controlla() {
  Board& b = board;
  b.List1.Clear();
  std::array<int, kDice> faces{};
  for (int k = 0; k < kDice; ++k) {
    faces[k] = ValoreDado[k];
    b.List1.AddItem(numberText(ValoreDado[k]));
  }
  const DiceAnalysis a = analyseDice(faces);
  Conta1 = a.count[1];
  Conta2 = a.count[2];
  Conta3 = a.count[3];
  Conta4 = a.count[4];
  Conta5 = a.count[5];
  Conta6 = a.count[6];
  SommaDadi = a.sum;
  Punti3Tipo = a.threeOfAKind;
  Punti4Tipo = a.fourOfAKind;
  PuntiFull = a.fullHouse;
  PuntiScalaMinima = a.smallStraight;
  PuntiScalaMassima = a.largeStraight;
  PuntiPentaro = a.fiveOfAKind;
  for (PictureBox& d : b.dado) d.Hide();
}

int GameWindow::handPoints(int box) const {
  DiceAnalysis a;
  a.count = {0, Conta1, Conta2, Conta3, Conta4, Conta5, Conta6};
  a.sum = SommaDadi;
  a.threeOfAKind = Punti3Tipo;
  a.fourOfAKind = Punti4Tipo;
  a.fullHouse = PuntiFull;
  a.smallStraight = PuntiScalaMinima;
  a.largeStraight = PuntiScalaMassima;
  a.fiveOfAKind = PuntiPentaro;
  return kCategoryTable[box].points(a);
}
