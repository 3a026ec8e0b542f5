#pragma once

#include "desktop/main_window.h"
#include "desktop/qt_platform.h"
#include "flow/game_window.h"

// The whole program once QApplication exists: the platform, the game, the
// window. start() runs the start-up and shows the window centred.
class GameApp {
 public:
  GameApp();
  void start();

  QtPlatform platform;
  GameWindow game;
  MainWindow window;
};
