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
#include <ctime>
#include <random>

#include "desktop/history/statistics_window.h"
#include "desktop/history/store.h"
#include "tools/sample_history.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The machine's load over the last minute, printed beside each time.
  auto load = [] {
    QFile file("/proc/loadavg");
    return file.open(QIODevice::ReadOnly) ? file.readLine().split(' ').value(0) : QByteArray("?");
  };
  const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
  QTemporaryDir dir;
  const QString path = dir.filePath("pentaro-history.sqlite");
  std::mt19937 rng(1);
  QElapsedTimer clock;
  {
    HistoryStore store(path);
    // Turn by turn, as a game keeps them: the first 100 games.
    const int turnByTurn = std::min(games, 100);
    std::int64_t turns = 0;
    clock.start();
    for (int i = 1; i <= turnByTurn; ++i) {
      const history::Game whole = sample::game(rng, i, games);
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
    std::printf("keeping a turn: %.3f ms (mean of %lld, one transaction each; load average %s)\n",
                clock.nsecsElapsed() / 1e6 / turns, static_cast<long long>(turns),
                load().constData());
    // The rest a game at a time.
    for (int i = turnByTurn + 1; i <= games; ++i) store.save(sample::game(rng, i, games));
  }
  const double bytes = QFileInfo(path).size();
  std::printf("file: %.2f MB for %d games, %.2f MB per 1,000 games\n", bytes / 1e6, games,
              bytes / 1e6 / games * 1000);

  // As at the first opening in a run: a new connection to the file. The
  // processor time beside it stretches less than the clock's on a busy machine.
  auto cpu = [] {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
  };
  HistoryStore store(path);
  const double cpuBefore = cpu();
  clock.start();
  StatisticsWindow window(store, nullptr);
  window.refresh();
  window.show();
  app.processEvents();
  window.repaint();
  std::printf(
      "statistics window on %d games: %.1f ms to open and paint, %.1f ms of processor "
      "(load average %s)\n",
      games, clock.nsecsElapsed() / 1e6, cpu() - cpuBefore, load().constData());
  clock.start();
  window.refresh();
  window.repaint();
  std::printf("statistics read again: %.1f ms (load average %s)\n", clock.nsecsElapsed() / 1e6,
              load().constData());
  clock.start();
  const std::size_t read = store.games(false).size();
  std::printf("reading all %zu games, as the window once did: %.1f ms (load average %s)\n", read,
              clock.nsecsElapsed() / 1e6, load().constData());
  return 0;
}
