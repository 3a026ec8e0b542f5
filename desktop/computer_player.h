#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

#include "advisor/levels.h"

class GameWindow;
class MainWindow;
class QAction;
class QMenu;

// The computer in the second seat of a game for two, at the level chosen in
// the "Avversario" menu: it gives its name and plays its turns on the board,
// one click at a time at a pace a person can follow, through the window as
// a click goes. Meanwhile the board is the computer's: the player's clicks
// and keys on it do nothing, and the pointer is the arrow.
class ComputerPlayer : public QObject {
  Q_OBJECT
 public:
  ComputerPlayer(MainWindow& window, GameWindow& game);

  // The "Avversario" menu, kept for the next start; disabled during a game.
  void addMenu(QMenu* menu);
  // Another language: the menu's items read anew.
  void retranslate();
  // No computer, or the level of the one in the second seat.
  std::optional<advisor::Level> level() const { return level_; }
  void choose(std::optional<advisor::Level> level);
  // Milliseconds between two of its steps (600 unless a test says otherwise).
  void setPace(int ms) { pace_ = ms; }
  // The board is the computer's now.
  bool hasTheBoard() const;
  // After every event: starts or stops its steps as the game stands.
  void follow();

 private:
  void step();
  bool inGame() const;

  MainWindow& window_;
  GameWindow& game_;
  std::optional<advisor::Level> level_;
  std::vector<std::pair<QAction*, std::optional<advisor::Level>>> items_;
  QMenu* menu_ = nullptr;
  int pace_ = 600;
  QTimer timer_;
  std::shared_ptr<const advisor::Tables> tables_;
  std::optional<advisor::Player> player_;
  bool waitingForTables_ = false;
};
