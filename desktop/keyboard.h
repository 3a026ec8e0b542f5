#pragma once

#include <QObject>
#include <QPointF>
#include <vector>

class Board;
class Element;
class PictureBox;
class GameWindow;
class MainWindow;

// The whole turn by keyboard. Each key clicks the board element it stands
// for, through the element's own handler, and only when a click there would
// reach it: whatever the game refuses to a click it refuses to a key.
class KeyboardPlay : public QObject {
  Q_OBJECT
 public:
  KeyboardPlay(MainWindow& window, GameWindow& game);

  // Keys have been used since the mouse last moved over the board: the dice
  // show their numbers and the score boxes the highlight.
  bool inUse() const { return inUse_; }
  // The highlighted score box, or -1 when none shows.
  int highlightedBox() const;
  // A die picture on show: an empty place in the hold row shows nothing.
  static bool showsADie(const PictureBox& place);
  // Keys 1 to 5: the tray dice as the player reads them, top row first, left
  // to right.
  static std::vector<int> trayDiceInOrder(const Board& board);
  // Keys 6, 7, 8, 9, 0: hold slots 0 to 4.
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
  void clickAsTheMouseWould(Element& element);
  void setInUse(bool inUse);

  MainWindow& window_;
  GameWindow& game_;
  bool inUse_ = false;
  int highlight_ = -1;
  QPointF lastMouse_{-1, -1};
};
