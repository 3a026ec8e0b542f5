// SPDX-License-Identifier: GPL-3.0-or-later
#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <QApplication>
#include <QDBusConnection>
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
  // for Qt's list of fonts, and showing the window waits for the desktop's
  // message bus (which the accessibility tools listen on): all three are
  // made ready on the other core while the window is being built.
  std::promise<void> appMade;
  std::thread ahead([appReady = appMade.get_future()] {
    FcInit();
    appReady.wait();
    QFontDatabase::families();
    QDBusConnection::sessionBus();
  });
  // The menus stay in the window, where the board has them, even on a
  // desktop that gathers menus in a panel of its own.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  QApplication app(argc, argv);
  appMade.set_value();
  QtPlatform::decodeAhead(QDir::current().filePath("Dati").toStdString());
  language::applyKept();
  GameApp game;
  const bool started = game.start();
  ahead.join();
  if (!started) return EXIT_FAILURE;
  const int status = app.exec();
  // The record is on disk by now. Whatever a library still waits for while
  // it shuts down, the closed window ends the program within a second.
  std::thread([status] {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    std::_Exit(status);
  }).detach();
  return status;
}
