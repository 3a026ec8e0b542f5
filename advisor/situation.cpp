// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/situation.h"

#include "flow/game_window.h"
#include "flow/number_text.h"
#include "scoring/sheet_totals.h"

namespace advisor {

namespace {

// Throws in a turn; NumTiro names the next one.
constexpr int kThrows = 3;

bool isFace(int face) { return face >= 1 && face <= kFaces; }

}  // namespace

Standing standingOf(const std::array<std::string, kCategories>& captions, int skippedBox) {
  Standing s;
  for (int i = 0; i < kCategories; ++i) {
    if (captions[i].empty() || i == skippedBox) continue;
    const int points = static_cast<int>(wholeNumber(captions[i]));
    s.sheet.used |= 1u << i;
    s.points += points;
    if (kCategoryTable[i].upper()) s.sheet.upper += points;
  }
  s.points += upperBonus(s.sheet.upper);
  return s;
}

bool onTray(const GameWindow& game, int i) {
  return game.Occupato[i] && game.board.dado[i].visible() && isFace(game.FacciaPos[i]);
}

bool held(const GameWindow& game, int k) { return game.Tenuto[k] && isFace(game.ValoreDado[k]); }

std::optional<Situation> situationOf(const GameWindow& game) {
  if (!game.playing() || game.turnBusy() || game.closing()) return std::nullopt;
  Situation s;
  std::array<std::string, kCategories> shown;
  for (int i = 0; i < kCategories; ++i) shown[i] = game.board.PUNTI[i].caption();
  s.own = standingOf(shown, game.CategoriaScelta - 1);
  if (s.own.sheet.used == kFullSheet) return std::nullopt;
  if (game.NumGiocatori == 2)
    s.rival = standingOf(game.Giocatore == giocatore::kSecondOfTwo ? game.Tabella1 : game.Tabella2);

  if (game.NumTiro <= 1 && game.SceltaAttiva == 0) return s;  // no dice yet
  int n = 0;
  auto add = [&](int face) { ++s.dice[face], ++n; };
  if (game.SceltaAttiva == 1) {  // all five in the hold row
    for (int k = 0; k < kDice; ++k)
      if (isFace(game.ValoreDado[k])) add(game.ValoreDado[k]);
    s.step = Situation::Step::kBox;
    return n == kDice ? std::optional(s) : std::nullopt;
  }
  if (game.NumTiro > kThrows) return std::nullopt;  // the throwing is ending
  for (int k = 0; k < kDice; ++k)
    if (held(game, k)) add(game.ValoreDado[k]);
  for (int i = 0; i < kTrayPlaces; ++i)
    if (onTray(game, i)) add(game.FacciaPos[i]);
  s.step = Situation::Step::kKeep;
  s.throwsLeft = kThrows + 1 - game.NumTiro;
  return n == kDice ? std::optional(s) : std::nullopt;
}

}  // namespace advisor
