// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"
#include "flow/number_text.h"
#include "scoring/tie_name.h"

void GameWindow::OK_Click() {
  if (!turnInputOpen()) return;
  Command1_Click();
}

// "ACCETTA": the entry is final and the board goes to the next turn; with two
// players the sheets change places.
void GameWindow::Command1_Click() {
  logAcceptedEntry();
  Board& b = board;
  if (NumGiocatori == 2) {
    b.nom2.Show();
    // Until the step below, Giocatore is the index of the player coming next.
    if (Giocatore == giocatore::kSecondOfTwo) Giocatore = 0;
    const bool firstJustPlayed = Giocatore != 0;
    b.nom2P.setCaption(firstJustPlayed ? Totale1 : Totale2);
    auto& keep = firstJustPlayed ? Tabella1 : Tabella2;
    const auto& bring = firstJustPlayed ? Tabella2 : Tabella1;
    for (int i = 0; i < kCategories; ++i) {
      keep[i] = b.PUNTI[i].caption();
      b.PUNTI[i].setCaption(bring[i]);
    }
    b.PLAYER.setCaption(NomeGiocatore[Giocatore]);
    SommaTotali();
    b.nom2.setCaption(Giocatore == 0 ? NomeGiocatore[1] : NomeGiocatore[0]);
    b.nom2P.setCaption(Giocatore == 0 ? Totale2 : Totale1);
  }
  b.OK.Hide();
  b.OKM.Hide();
  for (int k = 0; k < kDice; ++k) {
    PosDado[k].reset();
    b.tieni[k].Hide();
  }
  CategoriaScelta = 0;
  b.tira.Show();
  b.TiroF.Show();
  play(sound::kTurnPasses);
  NumTurno += NumGiocatori == 1 ? numTurno::kStepAlone : numTurno::kStepOfTwo;
  if (NumGiocatori == 2) ++Giocatore;  // index 0 or 1 becomes kFirstOfTwo or kSecondOfTwo
  Form_Load();
}

// After the last entry: the winner of a game for two, "GAME OVER", and the
// record, which a score equal to it or better replaces.
void GameWindow::endOfGame() {
  const bool last = (NumGiocatori == 1 && NumTurno == numTurno::kLastAlone) ||
                    (NumGiocatori == 2 && NumTurno == numTurno::kLastOfTwo);
  if (!last) return;
  logAcceptedEntry();
  if (turnLog_) turnLog_->over();
  playing_ = false;
  Board& b = board;
  b.OK.Hide();
  b.OKM.Hide();

  std::string points, name;
  if (NumGiocatori == 1) {
    points = b.TOTALE.caption();
    name = b.PLAYER.caption();
  } else {
    const double one = readLeadingNumber(Totale1);
    const double two = readLeadingNumber(Totale2);
    if (one > two) {
      points = Totale1;
      name = NomeGiocatore[0];
      b.win2.setCaption(NomeGiocatore[0]);
    } else if (two > one) {
      points = Totale2;
      name = NomeGiocatore[1];
      b.win2.setCaption(NomeGiocatore[1]);
    } else {
      points = Totale1;
      name = tieName(NomeGiocatore[0], NomeGiocatore[1]);
      b.win2.setCaption("PARITA'");
    }
    b.win1.Show();
    b.win2.Show();
    b.win3.Show();
    play(sound::kWinnerFanfare);
    if (!waitAndStillCurrent(3)) return;
  }

  // The record holds people only: against the computer, the person's score.
  if (NumGiocatori == 2 && ComputerSeat[0] != ComputerSeat[1]) {
    const int person = ComputerSeat[0] ? 1 : 0;
    points = person == 0 ? Totale1 : Totale2;
    name = NomeGiocatore[person];
  }

  b.GameOver1.Show();
  b.GameOver2.Show();
  const double record = readLeadingNumber(b.PuntiRecord.caption());
  const double score = readLeadingNumber(points);
  if (score >= record) {
    play(sound::kNewRecord);
    b.PuntiRecord.setCaption(points);
    b.NomeRecord.setCaption(name);
    ModoRecord = modoRecord::kStore;
    RECORDFile();
  } else {
    play(record - score < 6 ? sound::kNearRecord : sound::kFarFromRecord);
  }
  b.Timer1.Enabled = false;
  b.Timer2.Enabled = false;
  resetMenu();
}
