// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"

// Runs at start-up and again to prepare every new turn: it never touches what
// belongs to the whole game (players, names, turn count, saved sheets).
void GameWindow::Form_Load() {
  Board& b = board;
  platform_.keepOnTop();
  ModoRecord = modoRecord::kRead;
  RECORDFile();

  b.GameOver1.Hide();
  b.GameOver2.Hide();
  b.List1.Clear();
  SceltaAttiva = 0;
  for (PictureBox& d : b.dado) d.Hide();
  for (Element* e : std::initializer_list<Element*>{&b.Label2, &b.tieniF, &b.Label29, &b.tieniF29,
                                                    &b.OK, &b.OKM})
    e->Hide();

  b.iom.setPicture(platform_.loadBitmap(bitmap::kTallCredits));
  b.io2[0].setPicture(platform_.loadBitmap(bitmap::kCreditsBanner));
  b.io2[1].setPicture(platform_.loadBitmap(bitmap::kCreditsBanner));

  Conta1 = Conta2 = Conta3 = Conta4 = Conta5 = Conta6 = 0;
  Punti3Tipo = Punti4Tipo = PuntiFull = 0;
  PuntiScalaMinima = PuntiScalaMassima = PuntiPentaro = SommaDadi = 0;
  CategoriaScelta = 0;
  NumTiro = 1;
  Destinazione = destinazione::kMiniature;
  for (int i = 1; i <= kFaces; ++i) Decrypt(i - 1, uprightDieFile(i));

  b.tira.setCaption(throwCaption(NumTiro));
  Destinazione = destinazione::kTray;
  for (PictureBox& tile : b.sfondo) tile.setPicture(platform_.loadBitmap(bitmap::kWoodTile));
  platform_.seedRandom(-static_cast<float>(platform_.secondsSinceMidnight()));

  b.Image1.setPicture(platform_.loadBitmap(bitmap::kClosedTray));
  b.Image2.setPicture(platform_.loadBitmap(bitmap::kDiceCup));
  b.Image2.Hide();
  b.tappeto.setPicture(platform_.loadBitmap(bitmap::kHoldRowFelt));
}
