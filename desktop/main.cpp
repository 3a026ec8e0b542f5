#include <QApplication>

#include "desktop/game_app.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  GameApp game;
  game.start();
  return app.exec();
}
