#include "advisor/computer_move.h"

#include "advisor/situation.h"
#include "flow/game_window.h"

namespace advisor {

namespace {

std::optional<Move> ifLegal(const GameWindow& game, Move move) {
  return legal(game, move) ? std::optional(move) : std::nullopt;
}

// Keeps exactly the dice of `keep` in the hold row: the held dice it has no
// room for go back first, then the tray dice it still lacks are held, each
// row selected die by die before its prompt.
std::optional<Move> towardsKeeping(const GameWindow& game, Counts keep) {
  const Board& b = game.board;
  std::array<bool, kDice> release{};
  bool anyRelease = false;
  for (int k = 0; k < kDice; ++k)
    if (held(game, k)) {
      if (keep[game.ValoreDado[k]] > 0)
        --keep[game.ValoreDado[k]];
      else
        release[k] = anyRelease = true;
    }
  if (anyRelease) {
    for (int k = 0; k < kDice; ++k)
      if (b.filtroT[k].visible() != release[k]) return ifLegal(game, {Move::HeldDie, k});
    return b.Label2.caption() == "SCARTA" ? ifLegal(game, {Move::HoldOrDiscard}) : std::nullopt;
  }
  std::array<bool, kTrayPlaces> hold{};
  bool anyHold = false;
  for (int i = 0; i < kTrayPlaces; ++i)
    if (onTray(game, i) && keep[game.FacciaPos[i]] > 0) {
      --keep[game.FacciaPos[i]];
      hold[i] = anyHold = true;
    }
  for (int i = 0; i < kTrayPlaces; ++i)
    if (b.filtro[i].visible() != hold[i]) return ifLegal(game, {Move::TrayDie, i});
  if (anyHold)
    return b.Label2.caption() == "TIENI" ? ifLegal(game, {Move::HoldOrDiscard}) : std::nullopt;
  return ifLegal(game, {Move::Throw});
}

}  // namespace

std::optional<Move> nextMove(Player& player, const GameWindow& game) {
  const auto s = situationOf(game);
  if (!s) return std::nullopt;
  switch (s->step) {
    case Situation::Step::kFirstThrow:
      return ifLegal(game, {Move::Throw});
    case Situation::Step::kKeep: {
      const Choice c = player.keep(s->own, s->rival, s->dice, s->throwsLeft);
      // FERMATI shows only once a die is held: to stop with none held yet,
      // it holds the five first.
      if (c.stop && legal(game, {Move::Stop})) return Move{Move::Stop};
      return towardsKeeping(game, c.keep);
    }
    case Situation::Step::kBox: {
      const int box = player.box(s->own, s->rival, s->dice).box;
      return ifLegal(game, game.CategoriaScelta == box + 1 ? Move{Move::Accept} : Move{Move::Box, box});
    }
  }
  return std::nullopt;
}

}  // namespace advisor
