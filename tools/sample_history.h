// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <ctime>
#include <random>

#include "advisor/dice_sets.h"
#include "history/game_record.h"

// Games made up for the history's benchmark and pictures. ANNA keeps the
// dice of her most frequent face and takes the box worth most now, more
// carefully as the games go by (at first she often keeps dice at random);
// one game in four she plays against the computer, one in three BRUNO plays.
namespace sample {

inline history::Game game(std::mt19937& rng, int serial, int of) {
  const advisor::DiceSets& sets = advisor::DiceSets::get();
  const double careless = 0.6 * (1 - double(serial) / of);
  std::uniform_int_distribution<int> die(1, 6);
  std::uniform_real_distribution<double> chance(0, 1);
  history::Game g;
  g.serial = serial;
  // One game an evening from the first of August 2026.
  std::tm day{};
  day.tm_year = 126, day.tm_mon = 7, day.tm_mday = serial, day.tm_hour = 21;
  std::mktime(&day);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &day);
  g.started = g.ended = text;
  g.players.resize(serial % 4 == 0 ? 2 : 1);
  g.players[0].name = serial % 3 ? "ANNA" : "BRUNO";
  if (g.players.size() == 2) g.players[1] = {"ESPERTO", "computer", "esperto"};
  for (int turn = 0; turn < kCategories; ++turn)
    for (int seat = 0; seat < int(g.players.size()); ++seat) {
      history::Player& p = g.players[seat];
      history::Turn t{seat, turn + 1, {}, -1, 0};
      std::array<int, kDice> dice{};
      int held = 0;  // dice[0, held) are kept from the throw before
      for (int n = 0; n < 3; ++n) {
        for (int i = held; i < kDice; ++i) dice[i] = die(rng);
        t.throws.push_back(
            {history::diceText(dice.data(), kDice), history::diceText(dice.data(), held)});
        // Keep the most frequent face (the higher of two alike), or dice at random.
        std::array<int, 7> count{};
        for (int d : dice) ++count[d];
        const int face =
            6 - int(std::max_element(count.rbegin(), count.rend() - 1) - count.rbegin());
        const bool random = seat == 0 && chance(rng) < careless;
        held = 0;
        for (int& d : dice)
          if (random ? chance(rng) < 0.5 : d == face) std::swap(d, dice[held++]);
        if (held == kDice) break;
      }
      advisor::Counts counts{};
      for (int d : dice) ++counts[d];
      for (int b = 0; b < kCategories; ++b)
        if (p.boxes[b] < 0 && (t.box < 0 || sets.value(sets.index(counts), b) > t.points))
          t.box = b, t.points = sets.value(sets.index(counts), b);
      p.enter(t.box, t.points);
      g.turns.push_back(t);
    }
  g.outcome = history::Outcome::kOver;
  g.winner = history::winnerOf(g);
  return g;
}

}  // namespace sample
