// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/open_boxes.h"

#include "flow/game_window.h"

bool handAnalysed(const Board& board) { return board.List1.ListCount() >= kDice; }

bool boxFree(const Board& board, int box) { return board.PUNTI[box].caption().empty(); }

bool boxTakesHand(const GameWindow& game, int box) {
  return game.turnInputOpen() && game.SceltaAttiva == 1 && handAnalysed(game.board) &&
         boxFree(game.board, box);
}

std::vector<int> boxesOpenForEntry(const GameWindow& game) {
  std::vector<int> open;
  for (int i = 0; i < kCategories; ++i)
    if (boxTakesHand(game, i)) open.push_back(i);
  return open;
}
