// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/keyboard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "desktop/board_widget.h"
#include "desktop/computer_player.h"
#include "desktop/key_list.h"
#include "desktop/main_window.h"
#include "flow/game_window.h"
#include "flow/moves.h"
#include "scoring/open_boxes.h"

KeyboardPlay::KeyboardPlay(MainWindow& window, GameWindow& game)
    : QObject(&window), window_(window), board_(window.boardWidget()), game_(game) {
  // Keys nobody else wants reach the window; the board sees those the name
  // field lets go of, which stay the field's own.
  window.installEventFilter(this);
  board_->installEventFilter(this);
}

int KeyboardPlay::highlightedBox() const {
  return inUse_ && !boxesOpenForEntry(game_).empty() ? highlight_ : -1;
}

void KeyboardPlay::follow() {
  // A new turn starts with no box highlighted: the first press takes the top one.
  if (highlight_ >= 0 && boxesOpenForEntry(game_).empty()) {
    highlight_ = -1;
    emit changed();
  }
}

bool KeyboardPlay::inUse() const { return inUse_ && !window_.computer().hasTheBoard(); }

void KeyboardPlay::setInUse(bool inUse) {
  if (inUse_ == inUse) return;
  inUse_ = inUse;
  emit changed();
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
  const QObject* board = board_;
  if (event->type() == QEvent::MouseMove && watched == board) {
    // Only a real move ends keyboard play, not a widget appearing under a
    // resting pointer.
    const QPointF at = static_cast<QMouseEvent*>(event)->globalPosition();
    if (at != lastMouse_) setInUse(false);
    lastMouse_ = at;
  } else if (event->type() == QEvent::KeyPress) {
    if (watched == board) return true;  // let go by the name field: not ours
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const bool moves = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
    if (key->isAutoRepeat() && !moves) return true;  // one die, one press
    return press(key->key());
  }
  return QObject::eventFilter(watched, event);
}

bool KeyboardPlay::press(int key) {
  constexpr std::pair<KeyName, Move::Kind> prompts[] = {{kThrowKey, Move::Throw},
                                                        {kHoldKey, Move::HoldOrDiscard},
                                                        {kStopKey, Move::Stop},
                                                        {kAcceptKey, Move::Accept}};
  std::optional<Move> move;
  if (key >= Qt::Key_1 && key <= Qt::Key_5) {
    const std::vector<int> dice = trayDiceInReadingOrder(game_.board);
    const std::size_t n = key - Qt::Key_1;
    if (n < dice.size()) move = Move{Move::TrayDie, dice[n]};
  } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    move = Move{Move::HeldDie, key == Qt::Key_0 ? 4 : key - Qt::Key_6};
  } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (highlightedBox() >= 0) move = Move{Move::Box, highlight_};
  } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
    moveHighlight(key == Qt::Key_Up ? -1 : +1);
  } else {
    auto prompt = std::find_if(std::begin(prompts), std::end(prompts),
                               [key](const auto& p) { return kKeyRows[p.first].codes[0].key() == key; });
    if (prompt == std::end(prompts)) return false;
    move = Move{prompt->second};
  }
  setInUse(true);
  // Whatever the game refuses to a click it refuses to a key.
  if (move && legal(game_, *move)) {
    emit acting();
    window_.play(*move);
  }
  return true;
}

void KeyboardPlay::moveHighlight(int step) {
  const std::vector<int> open = boxesOpenForEntry(game_);
  if (open.empty()) return;
  int next;
  if (highlightedBox() < 0) {
    next = open.front();
  } else if (step > 0) {
    auto it = std::upper_bound(open.begin(), open.end(), highlight_);
    next = it == open.end() ? open.front() : *it;
  } else {
    auto it = std::lower_bound(open.begin(), open.end(), highlight_);
    next = it == open.begin() ? open.back() : *std::prev(it);
  }
  if (next == highlight_) return;
  highlight_ = next;
  emit changed();
}
