// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "advisor/advice.h"
#include "advisor/levels.h"
#include "advisor/situation.h"
#include "flow/game_window.h"
#include "flow/number_text.h"

namespace advisor {

namespace {

// What `player` would do in the game's situation, in the board's terms.
Advice advise(Player& player, const GameWindow& game, bool toWin) {
  Advice advice;
  const auto s = situationOf(game);
  if (!s) return advice;
  const std::optional<Standing> rival = toWin ? s->rival : std::nullopt;
  advice.available = true;
  double worth = 0;
  switch (s->step) {
    case Situation::Step::kFirstThrow:
      worth = player.worth(s->own, rival);
      break;
    case Situation::Step::kBox: {
      const Choice c = player.box(s->own, rival, s->dice);
      advice.box = c.box;
      worth = c.worth;
      break;
    }
    case Situation::Step::kKeep: {
      const Choice c = player.keep(s->own, rival, s->dice, s->throwsLeft);
      // Dice already held are marked first, so the fewest dice have to move.
      Counts left = c.keep;
      for (int k = 0; k < kDice; ++k)
        if (held(game, k) && left[game.ValoreDado[k]] > 0) {
          --left[game.ValoreDado[k]];
          advice.keepHeld.push_back(k);
        }
      for (int i = 0; i < kTrayPlaces; ++i)
        if (onTray(game, i) && left[game.FacciaPos[i]] > 0) {
          --left[game.FacciaPos[i]];
          advice.keepTray.push_back(i);
        }
      advice.stop = c.stop;
      worth = c.worth;
      break;
    }
  }
  if (rival)
    advice.winChance = worth;
  else
    advice.expected = worth;
  return advice;
}

}  // namespace

Advice adviseFor(const Strategy& strategy, const GameWindow& game) {
  // The strategy outlives the call: the player borrows it.
  Player esperto(Level::kEsperto,
                 std::make_shared<const Tables>(Tables{
                     std::shared_ptr<const Strategy>(std::shared_ptr<void>(), &strategy), {}}));
  return advise(esperto, game, false);
}

Advice adviseFor(const std::shared_ptr<const Tables>& tables, const GameWindow& game) {
  Player campione(Level::kCampione, tables);
  return advise(campione, game, game.NumGiocatori == 2);
}

std::vector<Move> marks(const Advice& advice) {
  std::vector<Move> m;
  for (int i : advice.keepTray) m.push_back({Move::TrayDie, i});
  for (int k : advice.keepHeld) m.push_back({Move::HeldDie, k});
  if (advice.stop) m.push_back({Move::Stop});
  if (advice.box) m.push_back({Move::Box, *advice.box});
  return m;
}

}  // namespace advisor
