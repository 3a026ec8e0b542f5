// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "data_copy.h"
#include "desktop/board_widget.h"
#include "desktop/game_app.h"

// The whole program on a private copy of the built data folder, its window shown and active so that shortcuts work.
class GameAppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(copyBuiltData(folder));
    previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    app = std::make_unique<GameApp>();
    app->start();
    app->window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app->window));
  }
  void TearDown() override {
    app.reset();
    QDir::setCurrent(previous);
  }

  Board& board() { return app->game.board; }
  BoardWidget& boardWidget() { return *app->window.boardWidget(); }
  QPoint centre(const Element& e) { return BoardWidget::toPixels(e.windowRect()).center(); }
  QAction* menuAction(const QString& caption) {
    for (QAction* menu : app->window.menuBar()->actions())
      for (QAction* a : menu->menu()->actions())
        if (a->text() == caption) return a;
    return nullptr;
  }
  void startGame(const char* name) {
    menuAction("Inizia")->trigger();
    QTest::keyClicks(app->window.nameField(), name);
    QTest::keyClick(app->window.nameField(), Qt::Key_Return);
  }
  void click(const Element& e) { QTest::mouseClick(&boardWidget(), Qt::LeftButton, {}, centre(e)); }

  QTemporaryDir folder;
  QString previous;
  std::unique_ptr<GameApp> app;
};
