#pragma once

#include <vector>

class GameWindow;

// The score boxes a click would enter this turn's hand in now, top to bottom:
// none while the dice are still being thrown or analysed, none outside a game.
std::vector<int> boxesOpenForEntry(const GameWindow& game);
