// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the start of a game in the real window, sound and all: a name is
// entered (the name sound) and the dice are thrown once (the rattle, then the
// tray opening). The sound test records what a sound server makes of it.
//
//   play_name_and_throw GAME_FOLDER SOUND_MODULE_FOLDER

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <cstdio>

#include "desktop/board_widget.h"
#include "desktop/game_app.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: play_name_and_throw GAME_FOLDER SOUND_MODULE_FOLDER\n");
    return 2;
  }
  QApplication application(argc, argv);
  if (!QDir::setCurrent(argv[1])) return 2;
  QtPlatform::soundModuleFolder = argv[2];
  GameApp app;
  app.start();
  if (!QTest::qWaitForWindowExposed(&app.window)) return 1;

  for (QAction* a : app.window.menuBar()->actions().first()->menu()->actions())
    if (a->text() == "Inizia") a->trigger();
  QTest::keyClicks(app.window.nameField(), "ugo");
  QTest::keyClick(app.window.nameField(), Qt::Key_Return);
  // The name sound plays out, then a silence the recording can tell apart.
  QTest::qWait(2500);

  const QPoint tira = BoardWidget::toPixels(app.game.board.tira.windowRect()).center();
  QTest::mouseClick(app.window.boardWidget(), Qt::LeftButton, {}, tira);
  if (!QTest::qWaitFor([&] { return app.game.NumTiro == 2 && !app.game.turnBusy(); }, 10000))
    return 1;
  QTest::qWait(800);  // the tray's knock plays out
  return 0;
}
