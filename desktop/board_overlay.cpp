// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/board_overlay.h"

#include <QPaintEvent>
#include <QPainter>

#include "desktop/advice_request.h"
#include "desktop/board_widget.h"
#include "desktop/keyboard.h"
#include "flow/game_window.h"
#include "flow/moves.h"

namespace {

const QColor kAdvice(255, 255, 0);  // the board's yellow
const QColor kKeys(0, 0, 255);      // the board's blue
const QColor kInk(0, 0, 128);       // the navy of the name band

QRect placeOf(const Element& e) { return BoardWidget::toPixels(e.windowRect()); }

// A die's picture has a margin around the die: the hold row's places overlap
// by 9 pixels, so a ring around the whole picture would cross the pips of
// the die beside it. The ring goes round the die itself.
QRect dieBody(const QRect& picture) { return picture.adjusted(6, 6, -6, -6); }

// The small disc with a die's key, on its top left corner.
QRect numberDisc(const QRect& die) { return QRect(die.topLeft() - QPoint(4, 4), QSize(15, 15)); }

}  // namespace

BoardOverlay::BoardOverlay(const GameWindow& game, const KeyboardPlay& keys,
                           const AdviceRequest& advice, QWidget* boardWidget)
    : QWidget(boardWidget), game_(game), keys_(keys), advice_(advice) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(boardWidget->rect());
  hide();
}

QRect BoardOverlay::textPlace() { return QRect(8, 520, 320, 40); }

BoardOverlay::Scene BoardOverlay::build() const {
  Scene s;
  const Board& board = game_.board;
  if (keys_.inUse()) {
    const std::vector<int> tray = trayDiceInReadingOrder(board);
    for (std::size_t n = 0; n < tray.size() && n < 5; ++n)
      s.dieNumbers.emplace_back(placeOf(board.dado[tray[n]]), QString::number(n + 1));
    for (int k = 0; k < 5; ++k)
      if (showsADie(board.tieni[k]))
        s.dieNumbers.emplace_back(placeOf(board.tieni[k]), QString(KeyboardPlay::kHoldKeys[k]));
    if (keys_.highlightedBox() >= 0) s.highlight = placeOf(board.PUNTI[keys_.highlightedBox()]);
  }
  if (advice_.state() == AdviceRequest::State::Shown) {
    // "FERMATI" is marked only where it can be clicked.
    for (const Move& m : advisor::marks(advice_.advice()))
      if (m.kind != Move::Stop || legal(game_, m)) {
        const QRect place = placeOf(*elementOf(board, m));
        const bool die = m.kind == Move::TrayDie || m.kind == Move::HeldDie;
        s.advised.push_back(die ? dieBody(place) : place);
      }
  }
  s.text = advice_.text();
  return s;
}

QRegion BoardOverlay::area(const Scene& s) {
  QRegion r;
  for (const auto& [die, key] : s.dieNumbers) r += numberDisc(die).adjusted(-1, -1, 1, 1);
  if (!s.highlight.isNull()) r += s.highlight.adjusted(-4, -4, 4, 4);
  for (const QRect& m : s.advised) r += m.adjusted(-5, -5, 5, 5);
  if (!s.text.isEmpty()) r += textPlace();
  return r;
}

void BoardOverlay::refresh() {
  Scene next = build();
  if (next == scene_) return;
  const QRegion changed = area(scene_) + area(next);
  scene_ = std::move(next);
  if (scene_.empty()) {
    hide();
    return;
  }
  if (isHidden()) {
    show();
    raise();
  }
  update(changed);
}

void BoardOverlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);

  for (const QRect& m : scene_.advised) {
    const QRectF ring = QRectF(m).adjusted(-3, -3, 3, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 5));
    p.drawRoundedRect(ring, 6, 6);
    p.setPen(QPen(kAdvice, 3));
    p.drawRoundedRect(ring, 6, 6);
  }

  if (!scene_.highlight.isNull()) {
    p.setBrush(Qt::NoBrush);  // the entry in the box stays readable
    p.setPen(QPen(kKeys, 3));
    p.drawRoundedRect(QRectF(scene_.highlight).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
  }

  QFont small = BoardWidget::boardFont(Font{7, true});
  p.setFont(small);
  for (const auto& [die, key] : scene_.dieNumbers) {
    const QRect disc = numberDisc(die);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(kKeys);
    p.drawEllipse(QRectF(disc).adjusted(0.75, 0.75, -0.75, -0.75));
    p.setPen(Qt::white);
    p.drawText(disc, Qt::AlignCenter, key);
  }

  if (!scene_.text.isEmpty()) {
    const QRect box = textPlace();
    p.setPen(QPen(kAdvice, 2));
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(box).adjusted(1, 1, -1, -1), 6, 6);
    p.setFont(BoardWidget::boardFont(Font{9, true}));
    p.setPen(Qt::white);
    p.drawText(box.adjusted(8, 3, -8, -3), Qt::AlignCenter, scene_.text.join('\n'));
  }
}
