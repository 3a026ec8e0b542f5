#pragma once

#include <optional>

#include "advisor/levels.h"
#include "flow/moves.h"

class GameWindow;

namespace advisor {

// The next step of the player on turn playing as `player` decides: a click a
// person could make now (a throw, a die selected or let go, TIENI or SCARTA,
// FERMATI, a box, ACCETTA). Nothing while there is nothing to do, or while
// the board is still drawing what the last step asked for.
std::optional<Move> nextMove(Player& player, const GameWindow& game);

}  // namespace advisor
