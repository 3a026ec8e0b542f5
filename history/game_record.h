// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "board/assets.h"

// One game as the history keeps it: who played, every turn with its throws,
// and how it ended.
namespace history {

// The score boxes by the names the history's tables and files give them.
inline constexpr std::array<const char*, kCategories> kBoxNames{
    "assi",         "due",          "tre",           "quattro", "cinque", "sei",   "tre_di_un_tipo",
    "quattro_di_un_tipo", "full", "scala_minima", "scala_massima", "pentaro", "chance"};

enum class Outcome { kPlaying, kOver, kAbandoned };

struct Throw {
  std::string dice;  // the five faces after the throw, ascending: "33345"
  std::string held;  // those of them held from the throw before: "333"
  bool operator==(const Throw&) const = default;
};

struct Turn {
  int seat = 0;    // 0 first (or only) player, 1 second
  int number = 0;  // 1 to 13, the player's own count
  std::vector<Throw> throws;
  int box = -1;  // the score box taken, 0 to 12
  int points = 0;
  bool operator==(const Turn&) const = default;
};

struct Player {
  std::string name;
  std::string kind = "persona";  // or "computer"
  std::string level;             // a computer's level, empty for a person
  std::array<int, kCategories> boxes{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  int upper = 0, bonus = 0, lower = 0, total = 0;
  // Takes an entry and brings the totals up to date.
  void enter(int box, int points);
  bool operator==(const Player&) const = default;
};

struct Game {
  std::int64_t id = 0;  // the database's, 0 until stored
  int serial = 0;       // counts the games of this run from 1; 0 for one read back
  std::string started, ended;  // local time "2026-12-07 05:31:00"
  std::vector<Player> players;
  std::vector<Turn> turns;
  Outcome outcome = Outcome::kPlaying;
  // Once over with two players: seat 0 or 1, or -1 for a draw.
  std::optional<int> winner;
  bool operator==(const Game&) const = default;
};

// The winner of a game for two once over, from the totals.
std::optional<int> winnerOf(const Game& game);
// "2026-12-07 05:31:00", the time now on this computer.
std::string localTimeNow();
// Dice digits in ascending order.
std::string diceText(const int* faces, int count);
// The box of a name of kBoxNames, or -1.
int boxOfName(const std::string& name);

}  // namespace history
