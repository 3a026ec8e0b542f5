// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "flow/game_window.h"
#include "flow/number_text.h"
#include "media/player_name.h"

void GameWindow::InsNome() {
  Board& b = board;
  b.nome2.setCaption("Nome Giocatore " + numberText(Giocatore + 1));
  b.tira.Hide();
  b.TiroF.Hide();
  for (Element* e : std::initializer_list<Element*>{&b.nome1, &b.nome2, &b.Text1, &b.Label1})
    e->Show();
}

// Enter accepts the name. Characters a name cannot hold are refused as they
// are typed, so every name can be stored as it shows.
void GameWindow::Text1_KeyPress(int& KeyAscii) {
  if (KeyAscii == 13) {
    Label1_Click();
    KeyAscii = 0;
    return;
  }
  if (KeyAscii >= 32 && !nameCharacter(static_cast<char32_t>(KeyAscii))) KeyAscii = 0;
}

// The field keeps to the name rule; the name is held to it here as well,
// whatever the text came through.
std::string GameWindow::typedName() const {
  return fitName(board.Text1.text(),
                 [this](const std::string& t) { return platform_.upperCase(t); });
}

bool GameWindow::nameReady() const {
  const std::string typed = typedName();
  return !std::all_of(typed.begin(), typed.end(), [](char c) { return c == ' '; });
}

void GameWindow::Label1_Click() {
  Board& b = board;
  if (!nameReady()) return;
  const std::string typed = typedName();
  for (Element* e : std::initializer_list<Element*>{&b.Label1, &b.nome1, &b.nome2, &b.Text1})
    e->Hide();
  const std::string name = platform_.upperCase(typed);
  // While names are typed, Giocatore is the index of the name.
  if (Giocatore == giocatore::kAloneOrFirstName) b.PLAYER.setCaption(name);
  NomeGiocatore[Giocatore] = name;
  b.TiroF.Show();
  if (NumGiocatori == 2 && Giocatore == giocatore::kAloneOrFirstName) {
    b.Text1.setText("");
    Giocatore = giocatore::kFirstOfTwo;
    InsNome();
    return;
  }
  if (Giocatore == giocatore::kFirstOfTwo) b.nom2.setCaption(NomeGiocatore[1]);
  b.tira.Show();
  b.Timer2.Enabled = true;
  play(sound::kGameBegins);
  b.Play1.Enabled = false;
  b.Play2.Enabled = false;
  playing_ = true;
  if (turnLog_) turnLog_->started(NumGiocatori, NomeGiocatore);
}
