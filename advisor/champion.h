// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <vector>

#include "advisor/spread.h"
#include "advisor/turn_tree.h"

namespace advisor {

// A sheet between two turns and the points it holds, bonus included.
struct Standing {
  Sheet sheet;
  int points = 0;
};

// No final score reaches this.
inline constexpr int kScoreLimit = 400;

// The chances of each final score of a sheet played by the advisor from the
// start of its next turn: exact when few boxes are left, else the normal law
// of the same mean and variance.
std::vector<double> finalScores(const Strategy& strategy, const Spread& spread,
                                const Standing& standing);

// What a choice of "campione" is worth: the chance of winning, a tie counting
// half, and the final score expected. The chance ranks the choices; where two
// chances hardly differ the score decides, so a game won or lost already is
// still played well, and the noise of an estimate buys no points away.
struct Worth {
  double win = 0, score = 0;
  static constexpr double kPointInChances = 1e-5;
  Worth operator+(const Worth& o) const { return {win + o.win, score + o.score}; }
  Worth operator*(double k) const { return {win * k, score * k}; }
  bool operator<(const Worth& o) const {
    return win + kPointInChances * score < o.win + kPointInChances * o.score;
  }
};

// One turn played to finish above a rival who plays as the advisor does:
// every choice has the best chance of winning, a tie counting half. Exact
// over the last few boxes of the sheet; before, the rest of the sheet after
// this turn is taken as the normal law of its mean and variance.
class Champion {
 public:
  Champion(const Strategy& strategy, const Spread& spread, const Standing& own,
           const Standing& rival);

  // Before the first throw.
  const Worth& start() const { return tree_->start(); }
  TurnTree<Worth>::Keep bestKeep(const Counts& dice, int throwsLeft) const {
    return tree_->bestKeep(dice, throwsLeft);
  }
  struct Box {
    int box = -1;
    Worth worth;
  };
  Box bestBox(const Counts& dice);

 private:
  // The chance of winning from a sheet just filled in, holding `points`.
  Worth after(const Sheet& sheet, int points);
  // The same from the start of a turn, played to win to the end.
  Worth exact(const Sheet& sheet, int points);
  // The worth of every hand once the throwing is over, on a sheet holding `points`.
  TurnTree<Worth>::Entries entries(const Sheet& sheet, int points);

  const Strategy& strategy_;
  const Spread& spread_;
  Standing own_;
  // win_[s]: the chance that a final score of s beats the rival's, a tie half.
  std::vector<double> win_;
  // The law of the points still to come from a sheet, from `first` on.
  struct Kernel {
    int first = 0;
    std::vector<double> law;
  };
  std::map<std::pair<unsigned, int>, Kernel> kernels_;
  std::map<std::tuple<unsigned, int, int>, Worth> exact_;
  std::optional<TurnTree<Worth>> tree_;
};

}  // namespace advisor
