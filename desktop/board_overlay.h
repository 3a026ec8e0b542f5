// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QStringList>
#include <QWidget>
#include <vector>

class AdviceRequest;
class GameWindow;
class KeyboardPlay;

// What keyboard play and the advice add over the board: numbers beside the
// dice, the highlighted score box, the advised dice or box, a line of text.
// None of it is a board element; with nothing to add the overlay is hidden
// and the board is exactly as the mouse player knows it.
class BoardOverlay : public QWidget {
  Q_OBJECT
 public:
  struct Scene {
    std::vector<std::pair<QRect, QString>> dieNumbers;  // die place, its key
    QRect highlight;                                    // empty when none
    std::vector<QRect> advised;                         // dice, box or "FERMATI"
    QStringList text;
    bool empty() const {
      return dieNumbers.empty() && highlight.isNull() && advised.empty() && text.isEmpty();
    }
    bool operator==(const Scene&) const = default;
  };

  BoardOverlay(const GameWindow& game, const KeyboardPlay& keys, const AdviceRequest& advice,
               QWidget* boardWidget);

  // Works out the scene again and repaints what changed.
  void refresh();
  const Scene& scene() const { return scene_; }
  // Where the text goes: over the wood below the tray.
  static QRect textPlace();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Scene build() const;
  static QRegion area(const Scene& scene);

  const GameWindow& game_;
  const KeyboardPlay& keys_;
  const AdviceRequest& advice_;
  Scene scene_;
};
