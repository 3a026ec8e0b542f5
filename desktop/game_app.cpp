#include "desktop/game_app.h"

#include <QDir>
#include <QScreen>

// The data folder is found under the folder the game was started from.
GameApp::GameApp() : game(platform, QDir::currentPath().toStdString()), window(game, platform) {}

void GameApp::start() {
  game.Form_Load();
  window.syncFromGame();
  window.adjustSize();
  if (const QScreen* screen = window.screen())
    window.move(screen->availableGeometry().center() - window.rect().center());
  window.show();
}
