// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/recorder.h"

#include <algorithm>
#include <ctime>

#include "scoring/sheet_totals.h"

namespace history {

void Player::enter(int box, int points) {
  boxes[box] = points;
  upper = lower = 0;
  for (int i = 0; i < kCategories; ++i)
    if (boxes[i] > 0) (i < kUpperCategories ? upper : lower) += boxes[i];
  bonus = static_cast<int>(upperBonus(upper));
  total = upper + bonus + lower;
}

std::optional<int> winnerOf(const Game& game) {
  if (game.players.size() < 2) return std::nullopt;
  const int a = game.players[0].total, b = game.players[1].total;
  return a > b ? 0 : b > a ? 1 : -1;
}

std::string localTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

std::string diceText(const int* faces, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += static_cast<char>('0' + faces[i]);
  std::sort(text.begin(), text.end());
  return text;
}

int boxOfName(const std::string& name) {
  for (int i = 0; i < kCategories; ++i)
    if (name == kBoxNames[i]) return i;
  return -1;
}

void Recorder::setComputer(int seat, const std::string& level) {
  if (seat < 0 || seat >= static_cast<int>(game_.players.size())) return;
  game_.players[seat].kind = "computer";
  game_.players[seat].level = level;
}

void Recorder::started(int players, const std::array<std::string, 2>& names) {
  const int serial = game_.serial + 1;
  game_ = Game{};
  game_.serial = serial;
  game_.started = localTimeNow();
  game_.players.resize(players);
  for (int i = 0; i < players; ++i) game_.players[i].name = names[i];
  turn_ = Turn{};
  if (begun) begun(game_);
}

void Recorder::thrown(int seat, const std::array<int, kDice>& dice,
                      const std::array<bool, kDice>& held) {
  if (game_.outcome != Outcome::kPlaying) return;
  turn_.seat = seat;
  std::array<int, kDice> kept{};
  int n = 0;
  for (int i = 0; i < kDice; ++i)
    if (held[i]) kept[n++] = dice[i];
  turn_.throws.push_back({diceText(dice.data(), kDice), diceText(kept.data(), n)});
}

void Recorder::accepted(int seat, int box, int points) {
  if (game_.outcome != Outcome::kPlaying || seat >= static_cast<int>(game_.players.size())) return;
  turn_.seat = seat;
  turn_.box = box;
  turn_.points = points;
  turn_.number = 1 + static_cast<int>(std::count_if(game_.turns.begin(), game_.turns.end(),
                                                    [&](const Turn& t) { return t.seat == seat; }));
  game_.turns.push_back(std::move(turn_));
  turn_ = Turn{};
  game_.players[seat].enter(box, points);
  if (changed) changed(game_);
}

void Recorder::over() {
  if (game_.outcome != Outcome::kPlaying) return;
  game_.outcome = Outcome::kOver;
  game_.ended = localTimeNow();
  game_.winner = winnerOf(game_);
  if (changed) changed(game_);
}

void Recorder::abandoned() {
  if (game_.outcome != Outcome::kPlaying || game_.players.empty()) return;
  game_.outcome = Outcome::kAbandoned;
  game_.ended = localTimeNow();
  if (changed) changed(game_);
}

}  // namespace history
