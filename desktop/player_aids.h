// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include "desktop/rules_window.h"

class AdviceRequest;
class BoardOverlay;
class GameWindow;
class KeyboardPlay;
class MainWindow;
class QAction;
class QMenu;

// What the game offers beyond the board: the keys, the advice and the
// "Aiuto" menu with the rules. Nothing of it changes the board itself.
class PlayerAids : public QObject {
  Q_OBJECT
 public:
  PlayerAids(MainWindow& window, GameWindow& game);

  // Called after every event the window passes to the game.
  void follow();

  KeyboardPlay& keys() const { return *keys_; }
  AdviceRequest& advice() const { return *advice_; }
  BoardOverlay& overlay() const { return *overlay_; }
  // The rules window, once opened.
  RulesWindow* rules() const { return rules_; }
  QMessageBox* about() const { return about_; }

  void showRules();
  void showAbout();
  // The menu in the language chosen now.
  void retranslate();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MainWindow& window_;
  GameWindow& game_;
  KeyboardPlay* keys_;
  AdviceRequest* advice_;
  BoardOverlay* overlay_;
  QPointer<RulesWindow> rules_;
  QPointer<QMessageBox> about_;  // while open, so a new language reaches it
  QMenu* menu_;
  QAction* advise_;
  QAction* showRules_;
  QAction* showAbout_;
};
