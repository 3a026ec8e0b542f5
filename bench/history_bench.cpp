// SPDX-License-Identifier: GPL-3.0-or-later
// The history's costs: the time to keep one turn, the file's size per 1,000
// games, and the time the statistics window takes to open on 10,000 games.
//   history-bench [games]

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

#include "advisor/dice_sets.h"
#include "desktop/history/statistics_window.h"
#include "desktop/history/store.h"

namespace {

// A game of random play: five dice thrown up to three times, a free box.
history::Game randomGame(std::mt19937& rng, int serial) {
  const advisor::DiceSets& sets = advisor::DiceSets::get();
  history::Game g;
  g.serial = serial;
  g.started = "2026-12-07 05:00:00";
  g.ended = "2026-12-07 05:10:00";
  const int players = serial % 4 == 0 ? 2 : 1;
  g.players.resize(players);
  g.players[0].name = serial % 3 ? "ANNA" : "BRUNO";
  if (players == 2) g.players[1].name = "UGO";
  std::uniform_int_distribution<int> die(1, 6);
  for (int turn = 0; turn < 13; ++turn)
    for (int seat = 0; seat < players; ++seat) {
      history::Turn t;
      t.seat = seat;
      t.number = turn + 1;
      std::array<int, 5> dice{};
      for (int n = 0, throws = 1 + rng() % 3; n < throws; ++n) {
        const int held = n == 0 ? 0 : int(rng() % 5);
        for (int i = held; i < 5; ++i) dice[i] = die(rng);
        t.throws.push_back({history::diceText(dice.data(), 5), history::diceText(dice.data(), held)});
      }
      std::vector<int> free;
      for (int b = 0; b < kCategories; ++b)
        if (g.players[seat].boxes[b] < 0) free.push_back(b);
      t.box = free[rng() % free.size()];
      advisor::Counts counts{};
      for (int d : dice) ++counts[d];
      t.points = sets.value(sets.index(counts), t.box);
      g.players[seat].enter(t.box, t.points);
      g.turns.push_back(t);
    }
  g.outcome = history::Outcome::kOver;
  g.winner = history::winnerOf(g);
  return g;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QFile loadavg("/proc/loadavg");
  if (loadavg.open(QIODevice::ReadOnly))
    std::printf("load average: %s\n", loadavg.readLine().left(14).trimmed().constData());
  const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
  QTemporaryDir dir;
  const QString path = dir.filePath("pentaro-history.sqlite");
  std::mt19937 rng(1);
  QElapsedTimer clock;
  {
    HistoryStore store(path);
    // Turn by turn, as a game keeps them: the first 100 games.
    const int sample = std::min(games, 100);
    std::int64_t turns = 0;
    clock.start();
    for (int i = 1; i <= sample; ++i) {
      const history::Game whole = randomGame(rng, i);
      history::Game g = whole;
      g.turns.clear();
      g.outcome = history::Outcome::kPlaying;
      for (const history::Turn& t : whole.turns) {
        g.turns.push_back(t);
        store.save(g);
        ++turns;
      }
      store.save(whole);
    }
    std::printf("keeping a turn: %.3f ms (mean of %lld, one transaction each)\n",
                clock.nsecsElapsed() / 1e6 / turns, static_cast<long long>(turns));
    // The rest a game at a time.
    for (int i = sample + 1; i <= games; ++i) store.save(randomGame(rng, i));
  }
  const double bytes = QFileInfo(path).size();
  std::printf("file: %.2f MB for %d games, %.2f MB per 1,000 games\n", bytes / 1e6, games,
              bytes / 1e6 / games * 1000);

  HistoryStore store(path);
  clock.start();
  const std::size_t read = store.games(false).size();
  std::printf("reading %zu games: %.1f ms\n", read, clock.nsecsElapsed() / 1e6);
  clock.start();
  const history::Statistics figures = store.statistics({});
  std::printf("figures of %d games from the database: %.1f ms\n", figures.played,
              clock.nsecsElapsed() / 1e6);
  clock.start();
  StatisticsWindow window(store, nullptr);
  window.refresh();
  window.show();
  app.processEvents();
  window.repaint();
  std::printf("statistics window on %d games: %.1f ms to open and paint\n", games,
              clock.nsecsElapsed() / 1e6);
  clock.start();
  window.refresh();
  window.repaint();
  std::printf("statistics read again: %.1f ms\n", clock.nsecsElapsed() / 1e6);
  if (loadavg.seek(0))
    std::printf("load average: %s\n", loadavg.readLine().left(14).trimmed().constData());
  return 0;
}
