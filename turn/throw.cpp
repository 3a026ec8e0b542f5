// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "flow/game_window.h"
#include "flow/number_text.h"
#include "flow/turn_lock.h"

namespace {

struct RollFrame {
  bitmap::Number picture;
  double seconds;
};
// The closed tray shaken: at rest between the two tilts.
constexpr RollFrame kRoll[9] = {{bitmap::kClosedTray, 0.1}, {bitmap::kTrayTiltedLeft, 0.3},
                                {bitmap::kClosedTray, 0.1}, {bitmap::kTrayTiltedRight, 0.3},
                                {bitmap::kClosedTray, 0.1}, {bitmap::kTrayTiltedLeft, 0.3},
                                {bitmap::kClosedTray, 0.1}, {bitmap::kTrayTiltedRight, 0.3},
                                {bitmap::kClosedTray, 0.1}};
constexpr const char* kRotation[6] = {"000", "030", "060", "090", "120", "150"};

}  // namespace

// One throw: every die that is not held is thrown again, after the tray has
// been shaken with its rattle.
void GameWindow::tira_Click() {
  if (!turnInputOpen()) return;
  TurnLock lock(*this);
  Board& b = board;
  NumTiro = NumTiro + 1;
  for (int i = 0; i < kTrayPlaces; ++i) {
    b.filtro[i].Hide();
    b.dado[i].Hide();
    Occupato[i] = false;
  }
  for (Shape& mark : b.filtroT) mark.Hide();
  b.tira.Hide();
  b.TiroF.Hide();
  b.Image2.Hide();

  for (const RollFrame& frame : kRoll) {
    play(sound::kRattle);
    b.Image1.setPicture(platform_.loadBitmap(frame.picture));
    if (!waitAndStillCurrent(frame.seconds)) return;
  }
  b.Image1.setPicture(platform_.loadBitmap(bitmap::kOpenTray));
  play(sound::kKnock);

  b.Image2.Show();
  b.tira.setCaption(throwCaption(NumTiro));
  b.tira.Show();
  b.TiroF.Show();

  int n = kDice;
  for (int k = 0; k < kDice; ++k)
    if (Tenuto[k]) --n;
  Destinazione = destinazione::kTray;
  for (int d = 1; d <= n; ++d) {
    int s;
    do {
      s = static_cast<int>(platform_.random() * kTrayPlaces);
    } while (Occupato[s] || std::find(PosDado.begin(), PosDado.end(), s) != PosDado.end());
    Occupato[s] = true;
    const int v = static_cast<int>(platform_.random() * kFaces) + 1;
    FacciaPos[s] = v;
    const int w = static_cast<int>(platform_.random() * 6) + 1;
    Decrypt(s, std::string("MC") + kRotation[w - 1] + "0" + numberText(v) + ".EMX");
  }
  logThrow();
  if (NumTiro >= 4) finisci();
}

std::string GameWindow::throwCaption(int number) { return numberText(number) + "\xC2\xB0 TIRO"; }

void GameWindow::tira_MouseMove() { board.showHandPointer(); }
