// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <memory>

#include "desktop/main_window.h"
#include "desktop/qt_platform.h"
#include "flow/game_window.h"
#include "media/folder_lock.h"

// The whole program once QApplication exists: the platform, the game, the
// window. start() runs the start-up and shows the window on the screen.
class GameApp {
 public:
  GameApp();
  // A benchmark may bring a platform of its own (one whose waits are quick).
  explicit GameApp(std::unique_ptr<QtPlatform> platform);
  // False when another copy of the game is open on this game folder: the
  // player has been told so, and nothing has been read or written.
  bool start();

 private:
  std::unique_ptr<QtPlatform> ownPlatform_;

 public:
  QtPlatform& platform;
  GameWindow game;
  MainWindow window;

 private:
  FolderLock lock_;
};

// Where a window goes on a screen: centred, but never with its top-left
// corner, and so its menu bar, off the screen.
QPoint placeOnScreen(const QRect& screen, const QSize& window);
