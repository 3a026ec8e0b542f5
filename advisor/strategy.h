// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <functional>
#include <vector>

#include "advisor/dice_sets.h"
#include "board/assets.h"

namespace advisor {

constexpr unsigned kFullSheet = (1u << kCategories) - 1;

// One player's sheet between two entries.
struct Sheet {
  unsigned used = 0;  // bit i: box i holds an entry
  int upper = 0;      // total of boxes 0 to 5
};

// Tables by sheet keep the upper total only up to the bonus line: beyond it
// the total no longer matters.
inline constexpr int kUppers = kBonusThreshold + 1;
inline std::size_t slot(const Sheet& s) {
  return s.used * kUppers + std::min(s.upper, kBonusThreshold);
}

// A sheet after `points` go into `box`, and what the entry brings, bonus included.
struct Entry {
  Sheet after;
  int gained;
};
inline Entry enterBox(const Sheet& sheet, int box, int points) {
  Sheet after{sheet.used | (1u << box), sheet.upper};
  if (!kCategoryTable[box].upper()) return {after, points};
  after.upper += points;
  return {after, points + int(upperBonus(after.upper) - upperBonus(sheet.upper))};
}

// Calls `solveSheet(used)` for every sheet but the full one, latest first.
// The sheets with the same number of entries depend only on those with one
// more, so each such level is shared out among the cores, sheet by sheet.
// Stops early once `cancelled` is set.
void forEachSheetLatestFirst(const std::function<void(unsigned used)>& solveSheet,
                             const std::atomic<bool>* cancelled);

class Strategy {
 public:
  // Works the table out: every sheet, latest first, on every core. Stops
  // early, the table unfinished, once `cancelled` is set.
  explicit Strategy(const std::atomic<bool>* cancelled = nullptr);

  // Points the sheet still expects from the start of a turn, bonus included,
  // when every choice from here on is the best one.
  double future(const Sheet& sheet) const;

 private:
  friend class TurnValues;
  // [used][upper total, counted up to the bonus line]
  std::vector<double> future_;
};

struct KeepChoice {
  Counts keep{};  // all five: stop now
  bool stop = false;
  double future = 0;  // points still to come, this turn's entry included
};

struct BoxChoice {
  int box = -1;
  double future = 0;
};

// The values of one turn on a given sheet: what each hand is worth after
// each throw, and what each set of kept dice is worth before one. Reads the
// strategy's table: it must not outlive it.
class TurnValues {
 public:
  TurnValues(const Strategy& strategy, Sheet sheet);

  // Before the first throw.
  double start() const { return start_; }
  // Before throw number 2 or 3, `throwsLeft` being 2 or 1 then.
  KeepChoice bestKeep(const Counts& dice, int throwsLeft) const;
  // Once the throwing is over.
  BoxChoice bestBox(const Counts& dice) const;
  // What any choice is worth, on the scale of the two above: keeping
  // `kept` of the hand with `throwsLeft` throws left (all five: stopping),
  // and entering `dice` in a free `box`.
  double keepValue(const Counts& kept, int throwsLeft) const;
  double boxValue(const Counts& dice, int box) const;
  // For every hand (by its place among the hands), the set bestKeep would
  // keep, or one as good; the hand itself for stopping. All at once, for
  // following perfect play forward.
  std::array<int, DiceSets::kHands> bestKeeps(int throwsLeft) const;

 private:
  friend class Strategy;
  TurnValues(const std::vector<double>& future, Sheet sheet);
  // The points of the entry, the bonus it brings and what the sheet expects after.
  double enter(int hand, int box) const;
  // The same without the box's own points (`upperPoints` for an upper box).
  double gain(int box, int upperPoints) const;

  const std::vector<double>& future_;
  Sheet sheet_;
  // hand_[t][h - kFirstHand]: hand h after a throw that leaves t more throws.
  std::array<std::array<double, DiceSets::kHands>, 3> hand_{};
  // keep_[t - 1][s]: keeping the set s of fewer than five dice and throwing
  // the rest, with t throws left counting that one (1 or 2). The entries of
  // whole hands are scratch.
  std::array<std::array<double, DiceSets::kCount>, 2> keep_{};
  double start_ = 0;
};

}  // namespace advisor
