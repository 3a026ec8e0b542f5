// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <vector>

#include "advisor/strategy.h"

namespace advisor {

// How far a sheet's final score strays from its mean when every choice is
// the advisor's: the mean square of the points still to come from the start
// of each turn, beside the strategy's mean. Immutable once made.
class Spread {
 public:
  // Works the table out from the strategy's (a few seconds of one core,
  // shared among the cores); early, the table unfinished, once `cancelled` is set.
  explicit Spread(const Strategy& strategy, const std::atomic<bool>* cancelled = nullptr);

  // Variance of the points still to come from the start of a turn.
  double variance(const Sheet& sheet) const;

 private:
  const Strategy& strategy_;
  double meanSquare(const Sheet& sheet) const;
  // Every upper total of the sheets with these boxes used.
  void solveSheets(unsigned used);
  // [used][upper total, counted up to the bonus line]
  std::vector<double> square_;
};

}  // namespace advisor
