// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/review.h"

#include "advisor/strategy.h"
#include "scoring/sheet_totals.h"

namespace advisor {

namespace {

// Counts of a text of dice digits; false for anything but faces.
bool countsOf(const std::string& text, Counts& counts) {
  counts = {};
  for (char c : text) {
    if (c < '1' || c > '6') return false;
    ++counts[c - '0'];
  }
  return true;
}

bool within(const Counts& part, const Counts& whole) {
  for (int f = 1; f <= 6; ++f)
    if (part[f] > whole[f]) return false;
  return true;
}

std::string textOf(const Counts& counts) {
  std::string text;
  for (int f = 1; f <= 6; ++f) text.append(counts[f], char('0' + f));
  return text;
}

constexpr double kSame = 1e-9;

}  // namespace

Review reviewGame(const Strategy& strategy, const history::Game& game, int seat) {
  Review review;
  review.expectedAtStart = strategy.future({});
  Sheet sheet;
  int points = 0;  // on the sheet, without the bonus
  int good = 0;
  for (const history::Turn& t : game.turns) {
    if (t.seat != seat || t.box < 0 || t.box >= kCategories || (sheet.used & (1u << t.box)))
      continue;
    const double before = points + upperBonus(sheet.upper);
    const TurnValues values(strategy, sheet);
    std::vector<Counts> hands;
    bool sound = !t.throws.empty() && t.throws.size() <= 3;
    for (std::size_t n = 0; sound && n < t.throws.size(); ++n) {
      Counts dice, held;
      sound = countsOf(t.throws[n].dice, dice) && t.throws[n].dice.size() == kDice &&
              countsOf(t.throws[n].held, held) && (n == 0 ? t.throws[n].held.empty()
                                                          : within(held, hands.back()));
      hands.push_back(dice);
    }
    if (sound) {
      auto add = [&](Decision d) {
        d.turn = t.number;
        d.chosenValue += before;
        d.bestValue += before;
        if (d.loss() < kSame) ++good;
        review.lost += std::max(0.0, d.loss());
        review.decisions.push_back(std::move(d));
      };
      for (std::size_t n = 0; n + 1 <= hands.size() && n < 2; ++n) {
        const int throwsLeft = 2 - static_cast<int>(n);
        Counts kept = hands[n];  // no throw after this one: the player stopped
        if (n + 1 < hands.size()) countsOf(t.throws[n + 1].held, kept);
        const KeepChoice best = values.bestKeep(hands[n], throwsLeft);
        Decision d;
        d.afterThrow = int(n) + 1;
        d.dice = textOf(hands[n]);
        d.chosen = textOf(kept);
        d.best = textOf(best.keep);
        d.chosenValue = values.keepValue(kept, throwsLeft);
        d.bestValue = best.future;
        add(std::move(d));
        if (n + 1 == hands.size()) break;
      }
      const Counts& last = hands.back();
      const BoxChoice best = values.bestBox(last);
      Decision d;
      d.afterThrow = int(hands.size());
      d.box = true;
      d.dice = textOf(last);
      d.chosen = history::kBoxNames[t.box];
      d.best = history::kBoxNames[best.box];
      d.chosenValue = values.boxValue(last, t.box);
      d.bestValue = best.future;
      add(std::move(d));
    }
    sheet.used |= 1u << t.box;
    if (t.box < kUpperCategories) sheet.upper += t.points;
    points += t.points;
  }
  if (!review.decisions.empty()) review.precision = double(good) / review.decisions.size();
  return review;
}

}  // namespace advisor
