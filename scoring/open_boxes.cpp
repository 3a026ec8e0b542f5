#include "scoring/open_boxes.h"

#include "flow/game_window.h"

std::vector<int> boxesOpenForEntry(const GameWindow& game) {
  const Board& b = game.board;
  if (!game.playing() || game.turnBusy() || game.closing() || game.SceltaAttiva != 1) return {};
  if (b.List1.ListCount() < 5) return {};  // the hand is not analysed yet
  std::vector<int> open;
  for (int i = 0; i < 13; ++i)
    if (b.PUNTI[i].caption().empty()) open.push_back(i);
  return open;
}
