// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board.h"

Element* Board::elementAt(int x, int y) const {
  auto takesMouse = [x, y](const Element* e) {
    return e->visible() && e->windowRect().contains(x, y) &&
           (e->kind() == Element::Kind::Label || e->kind() == Element::Kind::Picture);
  };
  for (Element* e : order_) {
    if (e->kind() == Element::Kind::Panel && e->visible() && e->windowRect().contains(x, y)) {
      for (Element* child : static_cast<Panel*>(e)->children)
        if (takesMouse(child)) return child;
      return nullptr;  // the card itself takes the mouse and does nothing with it
    }
    if (takesMouse(e)) return e;
  }
  return nullptr;
}

// The middle pixel of the pixels the element covers, as the pointer would
// stand there: a pixel is hit at its own middle.
bool Board::reachable(const Element& element) const {
  const Rect r = element.windowRect();
  const int k = kTwipsPerPixel;  // every place lies at or right of and below the corner
  const int left = r.left / k, top = r.top / k;
  const int right = (r.right() + k - 1) / k - 1, bottom = (r.bottom() + k - 1) / k - 1;
  const int px = (left + right) / 2, py = (top + bottom) / 2;
  return elementAt(px * k + k / 2, py * k + k / 2) == &element;
}
