// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "desktop/game_app.h"
#include "desktop/language.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  language::applyKept();
  GameApp game;
  if (!game.start()) return EXIT_FAILURE;
  const int status = app.exec();
  // The record is on disk by now. Whatever a library still waits for while
  // it shuts down, the closed window ends the program within a second.
  std::thread([status] {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    std::_Exit(status);
  }).detach();
  return status;
}
