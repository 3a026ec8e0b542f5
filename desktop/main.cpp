// SPDX-License-Identifier: GPL-3.0-or-later
#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>

#include "desktop/game_app.h"
#include "desktop/language.h"
#include "desktop/qt_platform.h"

int main(int argc, char* argv[]) {
  // The game's threads allocate little: they share the one heap rather than
  // each keeping a heap of its own.
  mallopt(M_ARENA_MAX, 1);
  // The first text drawn waits for the font configuration to be read and
  // for Qt's list of fonts: both are made on the other core while the
  // window is being built.
  std::promise<void> appMade;
  std::thread fonts([appReady = appMade.get_future()] {
    FcInit();
    appReady.wait();
    QFontDatabase::families();
  });
  QApplication app(argc, argv);
  appMade.set_value();
  QtPlatform::decodeAhead(QDir::current().filePath("Dati").toStdString());
  language::applyKept();
  GameApp game;
  fonts.join();
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
