#include <QApplication>
#include <cstdlib>

#include "desktop/game_app.h"
#include "desktop/language.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  language::applyKept();
  GameApp game;
  if (!game.start()) return EXIT_FAILURE;
  return app.exec();
}
