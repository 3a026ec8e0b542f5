// The advisor's figures: the time and memory to work the table out, the
// expected score of optimal play, the cost of one piece of advice, and
// simulated games that follow the advice beside games of a greedy player.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "advisor/advice.h"
#include "advisor/strategy.h"
#include "measure.h"

using namespace advisor;

namespace {

constexpr int kGames = 10000;

struct Dice {
  std::mt19937 engine;
  std::uniform_int_distribution<int> face{1, 6};
  // Throws the dice missing from `kept`.
  Counts throwAround(Counts kept) {
    int n = 0;
    for (int f = 1; f <= 6; ++f) n += kept[f];
    for (; n < kDice; ++n) ++kept[face(engine)];
    return kept;
  }
};

int score(const DiceSets& sets, const Counts& hand, int box) {
  return sets.value(sets.index(hand), box);
}

// Enters the hand and gives the points it brings, bonus included.
int enter(Sheet& sheet, int box, int points) {
  sheet.used |= 1u << box;
  if (box >= kUpperCategories) return points;
  const int before = sheet.upper;
  sheet.upper += points;
  return points + (before < kBonusThreshold && sheet.upper >= kBonusThreshold ? kBonusPoints : 0);
}

int advisedGame(const Strategy& strategy, Dice& dice) {
  const DiceSets& sets = DiceSets::get();
  Sheet sheet;
  int total = 0;
  for (int turn = 0; turn < kCategories; ++turn) {
    const TurnValues values(strategy, sheet);
    Counts hand = dice.throwAround({});
    for (int left = 2; left >= 1; --left) {
      const KeepChoice keep = values.bestKeep(hand, left);
      if (keep.stop) break;
      hand = dice.throwAround(keep.keep);
    }
    const int box = values.bestBox(hand).box;
    total += enter(sheet, box, score(sets, hand, box));
  }
  return total;
}

// Keeps every die of its most common face (the higher face on a tie) and
// throws the rest, twice, then takes the box worth most now (the first such
// box in sheet order).
int greedyGame(Dice& dice) {
  const DiceSets& sets = DiceSets::get();
  Sheet sheet;
  int total = 0;
  for (int turn = 0; turn < kCategories; ++turn) {
    Counts hand = dice.throwAround({});
    for (int left = 2; left >= 1; --left) {
      int face = 6;
      for (int f = 5; f >= 1; --f)
        if (hand[f] > hand[face]) face = f;
      Counts keep{};
      keep[face] = hand[face];
      hand = dice.throwAround(keep);
    }
    int box = -1;
    for (int b = 0; b < kCategories; ++b)
      if (!(sheet.used & (1u << b)) && (box < 0 || score(sets, hand, b) > score(sets, hand, box)))
        box = b;
    total += enter(sheet, box, score(sets, hand, box));
  }
  return total;
}

template <typename Play>
void report(const char* who, Play play) {
  Dice dice{std::mt19937(20261206)};
  double sum = 0, squares = 0;
  int lowest = 10000, highest = 0;
  for (int g = 0; g < kGames; ++g) {
    const int s = play(dice);
    sum += s;
    squares += double(s) * s;
    lowest = std::min(lowest, s);
    highest = std::max(highest, s);
  }
  const double mean = sum / kGames;
  const double sd = std::sqrt(squares / kGames - mean * mean);
  std::printf("mean over %d %s games: %.2f (standard deviation %.2f, lowest %d, highest %d)\n",
              kGames, who, mean, sd, lowest, highest);
}

}  // namespace

int main() {
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

  report("advised", [&](Dice& d) { return advisedGame(*strategy, d); });
  report("greedy", greedyGame);
}
