// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The translation context of the texts the game itself holds: the board's
// captions and tips, the game menu's items, the stop messages. The game
// keeps them in Italian; the shell translates them as it shows them.
inline constexpr char kGameTextContext[] = "Game";
