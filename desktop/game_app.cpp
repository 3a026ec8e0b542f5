// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/game_app.h"

#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

#include "desktop/language.h"

#include "media/stop_messages.h"

// The data folder is found under the folder the game was started from.
GameApp::GameApp() : GameApp(std::make_unique<QtPlatform>()) {}

GameApp::GameApp(std::unique_ptr<QtPlatform> own)
    : ownPlatform_(std::move(own)),
      platform(*ownPlatform_),
      game(platform, QDir::currentPath().toStdString()),
      window(game, platform) {}

bool GameApp::start() {
  // Two copies on one folder would play over each other's record.
  if (!lock_.take(QDir::current().filePath("Dati").toStdString())) {
    QMessageBox::warning(nullptr, kAlreadyOpenTitle, language::shown(kAlreadyOpenMessage));
    return false;
  }
  game.Form_Load();
  window.syncFromGame();
  window.adjustSize();
  if (const QScreen* screen = window.screen())
    window.move(placeOnScreen(screen->availableGeometry(), window.size()));
  window.show();
  return true;
}

QPoint placeOnScreen(const QRect& screen, const QSize& window) {
  const QPoint centred = screen.center() - QRect(QPoint(), window).center();
  return {std::max(screen.left(), centred.x()), std::max(screen.top(), centred.y())};
}
