// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "board/board.h"

// Paints the board in its overlap order and sends the mouse to the element
// under it. It knows nothing of the game: the window says what a click does.
class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  // run() calls a handler and brings the window up to date afterwards;
  // click() does the same for a click that lands on an element.
  BoardWidget(Board& board, std::function<void(const std::function<void()>&)> run,
              std::function<void(Element&)> click, QWidget* parent = nullptr);

  // Asks for the changed parts of the board to be painted again.
  void repaintChanged();
  // Follows the board's pointer state.
  void updatePointer();
  // Only the arrow over the board, whatever lies under the pointer.
  void setArrowOnly(bool arrowOnly);

  static QRect toPixels(const Rect& twips);
  // The board's plain sans-serif at a size in points of a 96-dpi screen.
  static QFont boardFont(const Font& font);
  // The label or picture that takes the mouse at a place, if any.
  Element* elementAt(QPoint pixel) const;
  // A label's caption and tip in the chosen language; names and numbers are
  // shown as they are.
  QString captionShown(const Label& label) const;
  static QString tipShown(const Label& label);

 signals:
  // The board has been painted for the first time.
  void firstPainted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void paintElement(QPainter& p, const Element& e, const QRect& area);
  // What an element hides of the board beneath it, in pixels: empty unless
  // nothing beneath can show through anywhere in it.
  QRect cover(const Element& e) const;
  const QPixmap& scaled(const Element& element, const QPixmap& source, QSize size);

  struct ScaledPicture {
    qint64 sourceKey = 0;
    QSize size;
    QPixmap pixmap;
  };

  Board& board_;
  std::function<void(const std::function<void()>&)> run_;
  std::function<void(Element&)> click_;
  Element* pressed_ = nullptr;
  bool arrowOnly_ = false;
  MousePointer shownPointer_;
  QHash<const Element*, ScaledPicture> scaledCache_;
  bool painted_ = false;
};
