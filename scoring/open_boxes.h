// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class Board;
class GameWindow;

// This turn's dice have been analysed: the list of their faces is full.
bool handAnalysed(const Board& board);
// The box holds no entry yet ("0" is an entry).
bool boxFree(const Board& board, int box);
// A click on the score box would enter this turn's hand there now: the dice
// are thrown and analysed, the box is free, and the game is on.
bool boxTakesHand(const GameWindow& game, int box);

// The score boxes a click would enter this turn's hand in now, top to bottom.
std::vector<int> boxesOpenForEntry(const GameWindow& game);
