#include "desktop/keyboard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "desktop/board_widget.h"
#include "desktop/main_window.h"
#include "flow/game_window.h"
#include "scoring/open_boxes.h"

KeyboardPlay::KeyboardPlay(MainWindow& window, GameWindow& game)
    : QObject(&window), window_(window), game_(game) {
  // Keys nobody else wants reach the window; the board sees those the name
  // field lets go of, which stay the field's own.
  window.installEventFilter(this);
  window.boardWidget()->installEventFilter(this);
}

bool KeyboardPlay::showsADie(const PictureBox& place) { return place.visible() && place.picture(); }

std::vector<int> KeyboardPlay::trayDiceInOrder(const Board& board) {
  std::vector<int> dice;
  for (int i = 0; i < int(board.dado.size()); ++i)
    if (showsADie(board.dado[i])) dice.push_back(i);
  std::stable_sort(dice.begin(), dice.end(), [&board](int a, int b) {
    const Rect ra = board.dado[a].windowPlace(), rb = board.dado[b].windowPlace();
    return std::pair(ra.top, ra.left) < std::pair(rb.top, rb.left);
  });
  return dice;
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

void KeyboardPlay::setInUse(bool inUse) {
  if (inUse_ == inUse) return;
  inUse_ = inUse;
  emit changed();
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
  BoardWidget* board = window_.boardWidget();
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
  Board& b = game_.board;
  const std::pair<int, Element*> prompts[] = {{Qt::Key_Space, &b.tira},
                                              {Qt::Key_T, &b.Label2},
                                              {Qt::Key_F, &b.Label29},
                                              {Qt::Key_A, &b.OK}};
  Element* target = nullptr;
  if (key >= Qt::Key_1 && key <= Qt::Key_5) {
    const std::vector<int> dice = trayDiceInOrder(b);
    const std::size_t n = key - Qt::Key_1;
    if (n < dice.size()) target = &b.dado[dice[n]];
  } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    target = &b.tieni[key == Qt::Key_0 ? 4 : key - Qt::Key_6];
  } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (highlightedBox() >= 0) target = &b.PUNTI[highlight_];
  } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
    moveHighlight(key == Qt::Key_Up ? -1 : +1);
  } else {
    auto prompt = std::find_if(std::begin(prompts), std::end(prompts),
                               [key](const auto& p) { return p.first == key; });
    if (prompt == std::end(prompts)) return false;
    target = prompt->second;
  }
  setInUse(true);
  if (target) clickAsTheMouseWould(*target);
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

void KeyboardPlay::clickAsTheMouseWould(Element& element) {
  if (!element.Click) return;
  // Hidden, or under something else: the mouse could not click it either.
  const QPoint middle = BoardWidget::toPixels(element.windowRect()).center();
  if (window_.boardWidget()->elementAt(middle) != &element) return;
  emit acting();
  window_.run(element.Click);
}
