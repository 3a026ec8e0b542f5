// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <vector>

class BoardWidget;
class GameWindow;
class MainWindow;

// The whole turn by keyboard. Each key plays the move of the click it stands
// for, and only when that move is legal now.
class KeyboardPlay : public QObject {
  Q_OBJECT
 public:
  KeyboardPlay(MainWindow& window, GameWindow& game);

  // Keys have been used since the mouse last moved over the board: the dice
  // show their numbers and the score boxes the highlight. Not in the
  // computer's turn, when the keys do nothing on the board.
  bool inUse() const;
  // The highlighted score box, or -1 when none shows.
  int highlightedBox() const;
  // Keys 1 to 5 take the tray dice in reading order (trayDiceInReadingOrder);
  // keys 6, 7, 8, 9, 0: hold slots 0 to 4.
  static constexpr char kHoldKeys[5] = {'6', '7', '8', '9', '0'};

  // Follows the game after every event: the highlight leaves with the turn.
  void follow();

 signals:
  // The marks to show have changed.
  void changed();
  // A key is about to reach a game handler.
  void acting();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool press(int key);
  void moveHighlight(int step);
  void setInUse(bool inUse);

  MainWindow& window_;
  // Held apart from the window: the filter still sees events while the
  // window's own part is already gone, as it closes. Only ever compared: as
  // the board is destroyed it is no longer a BoardWidget, and a cast back
  // would be undefined.
  QPointer<QObject> board_;
  GameWindow& game_;
  bool inUse_ = false;
  int highlight_ = -1;
  QPointF lastMouse_{-1, -1};
};
