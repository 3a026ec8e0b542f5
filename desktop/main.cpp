#include <QApplication>
#include <QDir>
#include <QScreen>

#include "desktop/main_window.h"
#include "desktop/qt_platform.h"
#include "flow/game_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QtPlatform platform;
  // The data folder is found under the folder the game was started from.
  GameWindow game(platform, QDir::currentPath().toStdString());
  MainWindow window(game, platform);
  game.Form_Load();
  window.syncFromGame();
  window.adjustSize();
  if (const QScreen* screen = window.screen())
    window.move(screen->availableGeometry().center() - window.rect().center());
  window.show();
  return app.exec();
}
