// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/moves.h"

#include <algorithm>

#include "flow/game_window.h"
#include "scoring/open_boxes.h"

namespace {

bool within(int index, int count) { return index >= 0 && index < count; }

template <class Marks>
bool anyShown(const Marks& marks) {
  return std::any_of(marks.begin(), marks.end(), [](const Shape& s) { return s.visible(); });
}

// How many indices a kind of move has.
int indices(Move::Kind kind) {
  switch (kind) {
    case Move::TrayDie:
      return kTrayPlaces;
    case Move::HeldDie:
      return kDice;
    case Move::Box:
      return kCategories;
    default:
      return 1;
  }
}

bool legalOnBoard(const GameWindow& g, const Move& m) {
  const Board& b = g.board;
  if (!within(m.index, indices(m.kind))) return false;
  if (m.kind == Move::ConfirmName) return b.reachable(b.Label1) && g.nameReady();
  if (!g.turnInputOpen()) return false;
  const int i = m.index;
  switch (m.kind) {
    case Move::Throw:
      return b.reachable(b.tira);
    case Move::TrayDie:
      return g.SceltaAttiva == 0 && g.Occupato[i] && b.reachable(b.dado[i]);
    case Move::HeldDie:
      return g.NumTiro < 5 && g.Tenuto[i] && g.SceltaAttiva == 0 && b.reachable(b.tieni[i]);
    case Move::HoldOrDiscard:
      return b.reachable(b.Label2) &&
             (b.Label2.caption() == "TIENI" ? anyShown(b.filtro) : anyShown(b.filtroT));
    case Move::Stop:
      return b.reachable(b.Label29);
    case Move::Box:
      return boxTakesHand(g, i) && b.reachable(b.PUNTI[i]);
    case Move::Accept:
      return b.reachable(b.OK);
    default:
      return false;
  }
}

}  // namespace

bool legal(const GameWindow& g, const Move& m) {
  if (g.closing()) return false;
  const Board& b = g.board;
  switch (m.kind) {
    case Move::OnePlayer:
      return m.index == 0 && b.Play1.Enabled;
    case Move::TwoPlayers:
      return m.index == 0 && b.Play2.Enabled;
    case Move::Start:
      return m.index == 0 && b.Gioca.Enabled;
    case Move::Abandon:
      return m.index == 0 && b.basta.Enabled;
    default:
      return legalOnBoard(g, m);
  }
}

// A click on the board goes through the element's wiring to its handler,
// the very road the mouse takes.
void play(GameWindow& g, const Move& m) {
  switch (m.kind) {
    case Move::OnePlayer:
      return g.Play1_Click();
    case Move::TwoPlayers:
      return g.Play2_Click();
    case Move::Start:
      return g.Gioca_Click();
    case Move::Abandon:
      return g.basta_Click();
    default:
      if (Element* e = const_cast<Element*>(elementOf(g.board, m)); e && e->Click) e->Click();
  }
}

std::vector<Move> legalMoves(const GameWindow& g) {
  std::vector<Move> moves;
  for (int k = Move::Throw; k <= Move::Abandon; ++k) {
    const auto kind = static_cast<Move::Kind>(k);
    for (int i = 0; i < indices(kind); ++i)
      if (legal(g, {kind, i})) moves.push_back({kind, i});
  }
  return moves;
}

const Element* elementOf(const Board& b, const Move& m) {
  if (!within(m.index, indices(m.kind))) return nullptr;
  switch (m.kind) {
    case Move::Throw:
      return &b.tira;
    case Move::TrayDie:
      return &b.dado[m.index];
    case Move::HeldDie:
      return &b.tieni[m.index];
    case Move::HoldOrDiscard:
      return &b.Label2;
    case Move::Stop:
      return &b.Label29;
    case Move::Box:
      return &b.PUNTI[m.index];
    case Move::Accept:
      return &b.OK;
    case Move::ConfirmName:
      return &b.Label1;
    default:
      return nullptr;
  }
}

std::optional<Move> moveOf(const GameWindow& g, const Element& e) {
  for (int k = Move::Throw; k <= Move::Abandon; ++k) {
    const auto kind = static_cast<Move::Kind>(k);
    for (int i = 0; i < indices(kind); ++i)
      if (elementOf(g.board, {kind, i}) == &e) return Move{kind, i};
  }
  return std::nullopt;
}

void click(GameWindow& g, Element& e) {
  if (const std::optional<Move> m = moveOf(g, e))
    play(g, *m);
  else if (e.Click)
    e.Click();
}

bool showsADie(const PictureBox& place) { return place.visible() && place.picture(); }

std::vector<int> trayDiceInReadingOrder(const Board& board) {
  std::vector<int> dice;
  for (int i = 0; i < int(board.dado.size()); ++i)
    if (showsADie(board.dado[i])) dice.push_back(i);
  std::stable_sort(dice.begin(), dice.end(), [&board](int a, int b) {
    const Rect ra = board.dado[a].windowPlace(), rb = board.dado[b].windowPlace();
    return std::pair(ra.top, ra.left) < std::pair(rb.top, rb.left);
  });
  return dice;
}
