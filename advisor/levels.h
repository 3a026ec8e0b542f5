// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "advisor/champion.h"

namespace advisor {

// The computer players, weakest first.
enum class Level {
  kPrincipiante,  // keeps its most frequent face, takes the box worth most now
  kEsperto,       // the advisor: the best expected score of its own sheet
  kCampione,      // plays to finish above the other sheet
};
inline constexpr Level kLevels[] = {Level::kPrincipiante, Level::kEsperto, Level::kCampione};

// The name a level plays under: "ESPERTO".
std::string levelName(Level level);

// What the levels read: the strategy's table and its spread. Immutable.
struct Tables {
  std::shared_ptr<const Strategy> strategy;
  std::shared_ptr<const Spread> spread;
};
// Works out what is missing (a few seconds of one core); any thread may call
// it. Null when `cancelled` was set meanwhile.
std::shared_ptr<const Tables> setUpTables(std::shared_ptr<const Strategy> strategy = nullptr,
                                          const std::atomic<bool>* cancelled = nullptr);

// A decision of a turn.
struct Choice {
  Counts keep{};  // before a throw: the dice to keep, all five to stop
  bool stop = false;
  int box = -1;  // once the throwing is over
  // What the level expects from here: the final score, or for "campione"
  // against a rival its chance of winning, a tie counting half.
  double worth = 0;
};

// One level's choices on its own sheet, given the rival's when there is one
// (between two of its turns, or finished). Keeps the values of the turn it
// is asked about, so the later decisions of a turn cost little.
class Player {
 public:
  // The tables may be empty for "principiante".
  Player(Level level, std::shared_ptr<const Tables> tables);

  Level level() const { return level_; }
  // Before the first throw: only the worth.
  double worth(const Standing& own, const std::optional<Standing>& rival);
  // Before throw number 2 or 3, `throwsLeft` being 2 or 1 then.
  Choice keep(const Standing& own, const std::optional<Standing>& rival, const Counts& dice,
              int throwsLeft);
  // Once the throwing is over.
  Choice box(const Standing& own, const std::optional<Standing>& rival, const Counts& dice);

 private:
  bool playsToWin(const std::optional<Standing>& rival) const;
  void prepare(const Standing& own, const std::optional<Standing>& rival);

  Level level_;
  std::shared_ptr<const Tables> tables_;
  // The turn prepared: whose sheets, and its values.
  std::optional<std::pair<Standing, std::optional<Standing>>> turn_;
  std::optional<TurnValues> values_;
  std::optional<Champion> champion_;
};

}  // namespace advisor
