// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "flow/game_window.h"

// The turn timer turns selections into prompts and blinks their frames: the
// throw frame changes colour every kBlinkTiro + 1 ticks, the stop or accept
// frame every kBlinkA + 1.
void GameWindow::Timer2_Timer() {
  Board& b = board;
  b.TiroF.setFill(FaseLampTiro == 0 ? colors::white : colors::red);
  if (SceltaAttiva == 0)
    b.tieniF29.setFill(FaseLampA == 0 ? colors::green : colors::blue);
  else
    b.OKM.setFill(FaseLampA == 0 ? colors::white : colors::red);
  ++ContaLampTiro;
  ++ContaLampA;
  if (ContaLampA > kBlinkA) {
    FaseLampA = 1 - FaseLampA;
    ContaLampA = 0;
  }
  if (ContaLampTiro > kBlinkTiro) {
    FaseLampTiro = 1 - FaseLampTiro;
    ContaLampTiro = 0;
  }

  const bool anyHeld = std::any_of(Tenuto.begin(), Tenuto.end(), [](bool x) { return x; });
  const bool offerStop = SceltaAttiva == 0 && anyHeld;
  b.Label29.setVisible(offerStop);
  b.tieniF29.setVisible(offerStop);

  auto shown = [](const auto& marks) {
    return std::any_of(marks.begin(), marks.end(), [](const Shape& s) { return s.visible(); });
  };
  if (shown(b.filtro)) {
    b.Label2.setCaption("TIENI");
    b.Timer1.Enabled = true;
    return;
  }
  if (shown(b.filtroT)) {
    b.Label2.setCaption("SCARTA");
    b.Timer1.Enabled = true;
    return;
  }
  b.Label2.Hide();
  b.tieniF.Hide();
  b.Timer1.Enabled = false;
}

void GameWindow::Timer1_Timer() {
  Board& b = board;
  b.Label2.Show();
  b.tieniF.Show();
  if (FaseLampTieni == 0) {
    b.tieniF.setFill(colors::white);
    FaseLampTieni = 1;
  } else {
    b.tieniF.setFill(colors::red);
    FaseLampTieni = 0;
  }
}

// A colour changes on the tick after its counter passes the limit and starts
// again from 0; until then every tick paints what is already there. A frame
// that is hidden changes nothing the player can see, so only the shown ones
// count; with none shown the timer may rest for a good while.
int GameWindow::quietTurnTicks() const {
  auto quiet = [](int counter, int limit) { return counter == 0 ? 0 : limit + 1 - counter; };
  constexpr int kLongRest = 4000;
  int ticks = kLongRest;
  if (board.TiroF.visible()) ticks = std::min(ticks, quiet(ContaLampTiro, kBlinkTiro));
  const Shape& second = SceltaAttiva == 0 ? board.tieniF29 : board.OKM;
  if (second.visible()) ticks = std::min(ticks, quiet(ContaLampA, kBlinkA));
  return std::max(0, ticks);
}
