#include <cmath>

#include "advisor/advice.h"
#include "advisor/strategy.h"
#include "flow/game_window.h"
#include "flow/number_text.h"
#include "scoring/sheet_totals.h"

namespace advisor {

namespace {

// Throws in a turn; NumTiro names the next one.
constexpr int kThrows = 3;

// The sheet on the board, without this turn's entry, which can still move;
// and the points it holds, bonus included.
struct BoardSheet {
  Sheet sheet;
  double points = 0;
};

BoardSheet readSheet(const GameWindow& game) {
  BoardSheet s;
  for (int i = 0; i < kCategories; ++i) {
    const std::string& caption = game.board.PUNTI[i].caption();
    if (caption.empty() || i == game.CategoriaScelta - 1) continue;
    const long points = wholeNumber(caption);
    s.sheet.used |= 1u << i;
    s.points += points;
    if (i < kUpperCategories) s.sheet.upper += points;
  }
  s.points += upperBonus(s.sheet.upper);
  return s;
}

bool isFace(int face) { return face >= 1 && face <= 6; }

bool onTray(const GameWindow& game, int i) {
  return game.Occupato[i] && game.board.dado[i].visible() && isFace(game.FacciaPos[i]);
}

bool held(const GameWindow& game, int k) { return game.Tenuto[k] && isFace(game.ValoreDado[k]); }

}  // namespace

Advice adviseFor(const Strategy& strategy, const GameWindow& game) {
  Advice advice;
  if (!game.playing() || game.turnBusy() || game.closing()) return advice;
  const BoardSheet board = readSheet(game);
  if (board.sheet.used == kFullSheet) return advice;

  if (game.NumTiro <= 1 && game.SceltaAttiva == 0) {  // no dice yet
    advice.available = true;
    advice.expected = board.points + strategy.future(board.sheet);
    return advice;
  }
  const TurnValues turn(strategy, board.sheet);
  Counts dice{};
  int n = 0;
  auto add = [&](int face) { ++dice[face], ++n; };
  if (game.SceltaAttiva == 1) {  // all five in the hold row
    for (int k = 0; k < kDice; ++k)
      if (isFace(game.ValoreDado[k])) add(game.ValoreDado[k]);
    if (n != 5) return advice;
    const BoxChoice choice = turn.bestBox(dice);
    advice.available = true;
    advice.box = choice.box;
    advice.expected = board.points + choice.future;
    return advice;
  }

  if (game.NumTiro > kThrows) return advice;  // the throwing is ending
  for (int k = 0; k < kDice; ++k)
    if (held(game, k)) add(game.ValoreDado[k]);
  for (int i = 0; i < kTrayPlaces; ++i)
    if (onTray(game, i)) add(game.FacciaPos[i]);
  if (n != 5) return advice;
  const KeepChoice choice = turn.bestKeep(dice, kThrows + 1 - game.NumTiro);
  // Dice already held are marked first, so the fewest dice have to move.
  Counts left = choice.keep;
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
  advice.available = true;
  advice.stop = choice.stop;
  advice.expected = board.points + choice.future;
  return advice;
}

std::string expectedScoreText(double expected) {
  const long tenths = std::lround(expected * 10);
  return "Punteggio atteso: " + numberText(tenths / 10) + "," + numberText(tenths % 10);
}

}  // namespace advisor
