// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"

GameWindow::GameWindow(Platform& platform, std::string workingFolder)
    : platform_(platform), workingFolder_(std::move(workingFolder)) {
  wireHandlers();
  wireHoverPointers();
}

std::string GameWindow::dataPath(const std::string& file) const {
  return workingFolder_ + "/Dati/" + file;
}

void GameWindow::play(sound::Effect effect) {
  platform_.playSound(dataPath(sound::fileName(effect)));
}

void GameWindow::abandonWaits() {
  ++gameSerial_;
  turnBusy_ = false;
  playing_ = false;
}

void GameWindow::Close() {
  logAbandon();
  closing_ = true;
  abandonWaits();
  board.Timer1.Enabled = false;
  board.Timer2.Enabled = false;
}
