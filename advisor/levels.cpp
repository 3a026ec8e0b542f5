// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/levels.h"

#include "advisor/advice.h"

namespace advisor {

namespace {

bool operator==(const Standing& a, const Standing& b) {
  return a.sheet.used == b.sheet.used && a.sheet.upper == b.sheet.upper && a.points == b.points;
}

// The face with the most dice, the higher on a tie.
int commonestFace(const Counts& dice) {
  int face = kFaces;
  for (int f = kFaces - 1; f >= 1; --f)
    if (dice[f] > dice[face]) face = f;
  return face;
}

}  // namespace

std::string levelName(Level level) {
  switch (level) {
    case Level::kPrincipiante:
      return "PRINCIPIANTE";
    case Level::kEsperto:
      return "ESPERTO";
    case Level::kCampione:
      return "CAMPIONE";
  }
  return {};
}

std::shared_ptr<const Tables> setUpTables(std::shared_ptr<const Strategy> strategy,
                                          const std::atomic<bool>* cancelled) {
  if (!strategy) strategy = solve(cancelled);
  if (!strategy) return nullptr;
  auto spread = std::make_shared<const Spread>(*strategy, cancelled);
  if (cancelled && *cancelled) return nullptr;
  return std::make_shared<const Tables>(Tables{std::move(strategy), std::move(spread)});
}

Player::Player(Level level, std::shared_ptr<const Tables> tables)
    : level_(level), tables_(std::move(tables)) {}

bool Player::playsToWin(const std::optional<Standing>& rival) const {
  return level_ == Level::kCampione && rival.has_value();
}

void Player::prepare(const Standing& own, const std::optional<Standing>& rival) {
  if (turn_ && turn_->first == own && turn_->second.has_value() == rival.has_value() &&
      (!rival || *turn_->second == *rival))
    return;
  turn_.emplace(own, rival);
  values_.reset();
  champion_.reset();
  if (playsToWin(rival))
    champion_.emplace(*tables_->strategy, *tables_->spread, own, *rival);
  else
    values_.emplace(*tables_->strategy, own.sheet);
}

double Player::worth(const Standing& own, const std::optional<Standing>& rival) {
  if (level_ == Level::kPrincipiante) return 0;
  prepare(own, rival);
  return champion_ ? champion_->start().win : own.points + values_->start();
}

Choice Player::keep(const Standing& own, const std::optional<Standing>& rival, const Counts& dice,
                    int throwsLeft) {
  Choice c;
  if (level_ == Level::kPrincipiante) {
    const int face = commonestFace(dice);
    c.keep[face] = dice[face];
    c.stop = dice[face] == kDice;
    return c;
  }
  prepare(own, rival);
  if (champion_) {
    const auto k = champion_->bestKeep(dice, throwsLeft);
    return {k.keep, k.stop, -1, k.worth.win};
  }
  const KeepChoice k = values_->bestKeep(dice, throwsLeft);
  return {k.keep, k.stop, -1, own.points + k.future};
}

Choice Player::box(const Standing& own, const std::optional<Standing>& rival, const Counts& dice) {
  Choice c;
  c.keep = dice;
  c.stop = true;
  if (level_ == Level::kPrincipiante) {
    const DiceSets& sets = DiceSets::get();
    const int hand = sets.index(dice);
    for (int b = 0; b < kCategories; ++b)
      if (!(own.sheet.used & (1u << b)) &&
          (c.box < 0 || sets.value(hand, b) > sets.value(hand, c.box)))
        c.box = b;
    return c;
  }
  prepare(own, rival);
  if (champion_) {
    const auto b = champion_->bestBox(dice);
    c.box = b.box;
    c.worth = b.worth.win;
    return c;
  }
  const BoxChoice b = values_->bestBox(dice);
  c.box = b.box;
  c.worth = own.points + b.future;
  return c;
}

}  // namespace advisor
