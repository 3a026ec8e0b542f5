#include "desktop/game_app.h"

#include <QDir>
#include <QScreen>

// The data folder is found under the folder the game was started from.
GameApp::GameApp() : GameApp(std::make_unique<QtPlatform>()) {}

GameApp::GameApp(std::unique_ptr<QtPlatform> own)
    : ownPlatform_(std::move(own)),
      platform(*ownPlatform_),
      game(platform, QDir::currentPath().toStdString()),
      window(game, platform) {}

void GameApp::start() {
  game.Form_Load();
  window.syncFromGame();
  window.adjustSize();
  if (const QScreen* screen = window.screen())
    window.move(screen->availableGeometry().center() - window.rect().center());
  window.show();
}
