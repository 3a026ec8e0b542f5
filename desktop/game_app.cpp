#include "desktop/game_app.h"

#include <QDir>
#include <QMessageBox>
#include <QScreen>

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
    QMessageBox::warning(nullptr, kAlreadyOpenTitle, QString::fromUtf8(kAlreadyOpenMessage));
    return false;
  }
  game.Form_Load();
  window.syncFromGame();
  window.adjustSize();
  if (const QScreen* screen = window.screen())
    window.move(screen->availableGeometry().center() - window.rect().center());
  window.show();
  return true;
}
