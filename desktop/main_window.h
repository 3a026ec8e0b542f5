#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>

class BoardWidget;
class GameWindow;
class QAction;
class QLineEdit;
class QtPlatform;
struct MenuItem;

// The game window on the desktop: the menu bar, the board and the name
// field, kept in step with the game after every event.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(GameWindow& game, QtPlatform& platform);

  // Calls a handler of the game, then brings the window up to date.
  void run(const std::function<void()>& handler);
  // Brings menu, timers, name field, pointer and board up to date.
  void syncFromGame();
  // Stops every timer for good (the program is ending).
  void halt();

  BoardWidget* boardWidget() const { return board_; }
  QLineEdit* nameField() const { return nameField_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* addMenuItem(QMenu* menu, MenuItem& item, std::function<void()> handler);
  void syncTimer(QTimer& timer, bool enabled, int interval);

  GameWindow& game_;
  QtPlatform& platform_;
  BoardWidget* board_;
  QLineEdit* nameField_;
  QTimer timer1_, timer2_;
  std::vector<std::pair<QAction*, MenuItem*>> menuItems_;
  bool halted_ = false;
};
