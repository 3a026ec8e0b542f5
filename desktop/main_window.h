// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>

class BoardWidget;
class ComputerPlayer;
class PlayerAids;
class GameWindow;
class QAction;
class QLineEdit;
class QtPlatform;
struct MenuItem;
struct Move;

// The game window on the desktop: the menu bar, the board and the name
// field, kept in step with the game after every event.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(GameWindow& game, QtPlatform& platform);
  static QIcon gameIcon();

  // Calls a handler of the game, then brings the window up to date.
  void run(const std::function<void()>& handler);
  // Plays a move the way run() calls its handler.
  void play(const Move& move);
  // Brings menu, timers, name field, pointer and board up to date.
  void syncFromGame() { syncFromGame(false); }
  // Stops every timer for good (the program is ending).
  void halt();

  BoardWidget* boardWidget() const { return board_; }
  // The turn timer's wake-up, which tests fire themselves.
  QTimer& turnTimer() { return timer2_; }
  const QTimer& holdPromptTimer() const { return timer1_; }
  // Keys, advice and the "Aiuto" menu.
  PlayerAids& aids() const { return *aids_; }
  // The computer in the second seat, and its menu.
  ComputerPlayer& computer() const { return *computer_; }
  // The name field, made the first time it is needed: an input field is
  // costly to create, and most starts of the game never need one.
  QLineEdit* nameField();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void syncFromGame(bool afterTick);
  QAction* addMenuItem(QMenu* menu, MenuItem& item, const Move& command);
  void syncBlinker(bool enabled, int interval);
  void syncTurnTimer(bool afterTick);
  void catchUpTurnTimer();
  void onTurnTimer();

  GameWindow& game_;
  QtPlatform& platform_;
  BoardWidget* board_;
  PlayerAids* aids_ = nullptr;
  ComputerPlayer* computer_ = nullptr;
  QMenu* opponentMenu_ = nullptr;
  QLineEdit* nameField_ = nullptr;
  QTimer timer1_;
  // The turn timer ticks every period on paper; in fact it wakes only when a
  // tick will change something, and the ticks in between are run just
  // before the next event, so the game sees every one of them in order.
  QTimer timer2_;
  qint64 lastTurnTickNs_ = 0;  // on the platform's monotonic clock
  bool turnTimerOn_ = false;
  std::vector<std::pair<QAction*, MenuItem*>> menuItems_;
  QMenu* gameMenu_ = nullptr;
  bool halted_ = false;
};
