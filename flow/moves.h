// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

class Board;
class Element;
class GameWindow;
class PictureBox;

// What a player can do: each move stands for one click on the board or one
// menu command, and is played through that click's own handler.
struct Move {
  enum Kind {
    Throw,          // tira: 1° TIRO, 2° TIRO, 3° TIRO
    TrayDie,        // dado(index): select or let go a die on the tray
    HeldDie,        // tieni(index): select or let go a held die
    HoldOrDiscard,  // Label2: TIENI or SCARTA, as its caption says
    Stop,           // Label29: FERMATI
    Box,            // PUNTI(index): enter the hand in that box
    Accept,         // OK: ACCETTA
    ConfirmName,    // Label1: the OK beside the name being typed
    OnePlayer,      // menu: 1 Giocatore
    TwoPlayers,     // menu: 2 Giocatori
    Start,          // menu: Inizia
    Abandon,        // menu: Interrompi
  };
  Kind kind;
  int index = 0;  // the mat position, hold slot or box; 0 for the others
  bool operator==(const Move&) const = default;
};

// The click or command would reach its handler now and change the game:
// the element shows with nothing over its middle (the menu item is enabled)
// and the handler's own guards let it act. A click that is only refused
// (the buzz of a used box) is no move.
bool legal(const GameWindow& game, const Move& move);

// Calls the move's handler, as the click or the command does, legal or not:
// the handler refuses what it refuses. A click on the board reaches its
// handler through the element's wiring (flow/wiring.cpp).
void play(GameWindow& game, const Move& move);

// Every legal move now, in the order of Move::Kind and then of the index.
std::vector<Move> legalMoves(const GameWindow& game);

// The move a click on this element of the game's board stands for, if any.
std::optional<Move> moveOf(const GameWindow& game, const Element& element);

// The element a move clicks; none for the menu commands.
const Element* elementOf(const Board& board, const Move& move);

// A click that lands on an element: its move, or the element's own handler
// for what is no move (the totals, say).
void click(GameWindow& game, Element& element);

// A die picture on show: an empty place in the hold row shows nothing.
bool showsADie(const PictureBox& place);
// The tray dice as the player reads them, top row first, left to right.
std::vector<int> trayDiceInReadingOrder(const Board& board);
