// SPDX-License-Identifier: GPL-3.0-or-later
// The advisor's figures: the time and memory to work the tables out, the
// expected score of optimal play, the cost of one piece of advice, and the
// computer's levels: each alone, and each pair against each other, with the
// time of one decision.
//
//   advisor-bench [--threads N] [--games N] [--top]
// --games sets the games of every run (the default: 10000, and 100000 for
// "campione" against "esperto"); --top plays only those two.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

#include "advisor/advice.h"
#include "advisor/levels.h"
#include "measure.h"

using namespace advisor;

namespace {

// The dice of one turn of one player in one game, the same whoever plays it:
// two levels that decide alike get the same games.
struct Dice {
  std::uint64_t state;
  Dice(int game, int player, int turn)
      : state(mix(std::uint64_t(game) * 64 + player * 16 + turn)) {}
  static std::uint64_t mix(std::uint64_t z) {  // splitmix64
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
  }
  int face() { return 1 + int((mix(state += 0x9e3779b97f4a7c15u) >> 32) % kFaces); }
  // Throws the dice missing from `kept`.
  Counts throwAround(Counts kept) {
    int n = 0;
    for (int f = 1; f <= 6; ++f) n += kept[f];
    for (; n < kDice; ++n) ++kept[face()];
    return kept;
  }
};

// One seat of a game: its level, its sheet, the time of each decision.
struct Seat {
  Player player;
  Standing standing;
  std::vector<float> decisionMs;

  template <typename Ask>
  auto timed(Ask ask) {
    const auto start = std::chrono::steady_clock::now();
    const auto choice = ask();
    decisionMs.push_back(
        std::chrono::duration<float, std::milli>(std::chrono::steady_clock::now() - start).count());
    return choice;
  }

  void playTurn(Dice& dice, const std::optional<Standing>& rival) {
    Counts hand = dice.throwAround({});
    for (int left = 2; left >= 1; --left) {
      const Choice keep = timed([&] { return player.keep(standing, rival, hand, left); });
      if (keep.stop) break;
      hand = dice.throwAround(keep.keep);
    }
    const int box = timed([&] { return player.box(standing, rival, hand); }).box;
    const int points = DiceSets::get().value(DiceSets::get().index(hand), box);
    const auto [after, gained] = enterBox(standing.sheet, box, points);
    standing.sheet = after;
    standing.points += gained;
  }
};

struct Figures {
  std::vector<double> scores[2];  // by level, whichever seat
  double wins = 0, squares = 0;   // of the first level: 1 a win, 1/2 a tie
  std::vector<double> outcome;    // game by game
  std::vector<float> decisionMs[2];
};

// Games of level a against level b (b absent: a alone), seats alternating,
// each game with dice of its own, spread over threads.
Figures play(const std::shared_ptr<const Tables>& tables, Level a, std::optional<Level> b,
             int games, int threads) {
  Figures all;
  all.outcome.resize(games);
  std::mutex lock;
  auto work = [&](int first) {
    Figures f;
    Seat seats[2] = {{Player(a, tables), {}, {}}, {Player(b.value_or(a), tables), {}, {}}};
    for (int g = first; g < games; g += threads) {
      seats[0].standing = seats[1].standing = {};
      const int firstSeat = b ? g % 2 : 0;
      for (int turn = 0; turn < kCategories; ++turn)
        for (int i = 0; i < (b ? 2 : 1); ++i) {
          const int player = (firstSeat + i) % 2;
          Seat& me = seats[player];
          const Seat& other = seats[1 - player];
          Dice dice(g, player, turn);
          me.playTurn(dice, b ? std::optional(other.standing) : std::nullopt);
        }
      for (int i = 0; i < (b ? 2 : 1); ++i) f.scores[i].push_back(seats[i].standing.points);
      if (b) {
        const int diff = seats[0].standing.points - seats[1].standing.points;
        const double w = diff > 0 ? 1 : diff == 0 ? 0.5 : 0;
        f.wins += w;
        f.squares += w * w;
        all.outcome[g] = w;
      }
    }
    const std::lock_guard<std::mutex> hold(lock);
    for (int i = 0; i < 2; ++i) {
      all.scores[i].insert(all.scores[i].end(), f.scores[i].begin(), f.scores[i].end());
      all.decisionMs[i].insert(all.decisionMs[i].end(), seats[i].decisionMs.begin(),
                               seats[i].decisionMs.end());
    }
    all.wins += f.wins;
    all.squares += f.squares;
  };
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t) pool.emplace_back(work, t);
  for (auto& t : pool) t.join();
  return all;
}

std::string lower(Level level) {
  std::string name = levelName(level);
  for (char& c : name) c = static_cast<char>(std::tolower(c));
  return name;
}

void printScores(Level level, const std::vector<double>& scores, std::vector<float>& ms) {
  double sum = 0, squares = 0;
  for (double s : scores) sum += s, squares += s * s;
  const double n = scores.size(), mean = sum / n;
  std::sort(ms.begin(), ms.end());
  auto at = [&](double q) { return ms.empty() ? 0.0 : ms[std::size_t(q * (ms.size() - 1))]; };
  std::printf(
      "  %-12s mean %.2f, standard deviation %.2f; one decision %.3f / %.3f / %.3f ms"
      " (50th / 95th / 99th percentile)\n",
      lower(level).c_str(), mean, std::sqrt(squares / n - mean * mean), at(0.5), at(0.95),
      at(0.99));
}

}  // namespace

int main(int argc, char** argv) {
  int threads = 1, games = 0;
  bool topOnly = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--top")) topOnly = true;
    if (i + 1 == argc) break;
    if (!std::strcmp(argv[i], "--threads")) threads = std::max(1, std::atoi(argv[i + 1]));
    if (!std::strcmp(argv[i], "--games")) games = std::max(1, std::atoi(argv[i + 1]));
  }
  DiceSets::get();  // the small shared tables, so the figure below is the solving alone
  const double before = peakMiB();
  const double start = monotonicMs(), startCpu = cpuMs();
  const auto strategy = solve();
  const double solveMs = monotonicMs() - start, solveCpu = cpuMs() - startCpu;
  std::printf(
      "table: %.0f ms to work out (%.0f ms of CPU), peak memory %.1f MiB (%.1f MiB before)\n",
      solveMs, solveCpu, peakMiB(), before);
  std::printf("expected score of optimal play: %.2f\n", strategy->future({}));

  // One piece of advice: the values of the turn, then the best dice to keep
  // before the second throw, on sheets early in the game.
  const Counts hand{0, 1, 1, 1, 1, 0, 1};
  const int asks = 1000;
  const double adviceStart = monotonicMs();
  volatile double sink = 0;
  for (int i = 0; i < asks; ++i)
    sink = sink + TurnValues(*strategy, {1u << (i % 13), 0}).bestKeep(hand, 2).future;
  std::printf("one piece of advice: %.3f ms\n", (monotonicMs() - adviceStart) / asks);

  const double spreadStart = monotonicMs(), spreadCpu = cpuMs();
  const auto tables =
      std::make_shared<const Tables>(Tables{strategy, std::make_shared<const Spread>(*strategy)});
  std::printf("spread table: %.0f ms to work out (%.0f ms of CPU), peak memory %.1f MiB\n",
              monotonicMs() - spreadStart, cpuMs() - spreadCpu, peakMiB());
  std::printf("standard deviation of optimal play: %.2f\n",
              std::sqrt(tables->spread->variance({})));

  for (Level level : kLevels) {
    if (topOnly) break;
    const int n = games ? games : 10000;
    Figures f = play(tables, level, std::nullopt, n, threads);
    std::printf("%s alone over %d games:\n", lower(level).c_str(), n);
    printScores(level, f.scores[0], f.decisionMs[0]);
  }
  for (int i = 2; i >= 0; --i)
    for (int j = i - 1; j >= 0; --j) {
      const Level a = kLevels[i], b = kLevels[j];
      if (topOnly && (a != Level::kCampione || b != Level::kEsperto)) continue;
      const int n = games ? games : a == Level::kCampione && b == Level::kEsperto ? 100000 : 10000;
      const double runStart = monotonicMs();
      Figures f = play(tables, a, b, n, threads);
      const double rate = f.wins / n;
      const double half = 2.5758 * std::sqrt((f.squares / n - rate * rate) / n);
      std::printf("%s vs %s: win rate %.2f %% (99 %% CI %.2f\u2013%.2f) over %d games\n",
                  lower(a).c_str(), lower(b).c_str(), 100 * rate, 100 * (rate - half),
                  100 * (rate + half), n);
      printScores(a, f.scores[0], f.decisionMs[0]);
      printScores(b, f.scores[1], f.decisionMs[1]);
      if (a != b && b != Level::kPrincipiante) {
        // The same games with b in both seats: only the decisions that differ count.
        const Figures same = play(tables, b, b, n, threads);
        double sum = 0, squares = 0;
        for (int g = 0; g < n; ++g) {
          const double d = f.outcome[g] - same.outcome[g];
          sum += d, squares += d * d;
        }
        const double gain = sum / n, spread = 2.5758 * std::sqrt((squares / n - gain * gain) / n);
        std::printf(
            "  beside %s in its seat on the same dice: %+.2f points of win rate (99 %% CI "
            "%+.2f to %+.2f)\n",
            lower(b).c_str(), 100 * gain, 100 * (gain - spread), 100 * (gain + spread));
      }
      std::printf("  (%.0f s)\n", (monotonicMs() - runStart) / 1000);
    }
  std::printf("peak memory: %.1f MiB\n", peakMiB());
}
