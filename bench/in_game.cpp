// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "desktop/advice_request.h"
#include "desktop/advisor_tables.h"
#include "desktop/board_widget.h"
#include "desktop/player_aids.h"
#include "desktop/game_app.h"
#include "flow/moves.h"
#include "measure.h"

namespace {

// CPU used while the event loop runs for a while, as a share of one core.
double idleCpuPercent(int ms) {
  const double cpu0 = cpuMs(), wall0 = monotonicMs();
  // A plain event loop: QTest::qWait would poll and cost CPU of its own.
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
  return 100.0 * (cpuMs() - cpu0) / (monotonicMs() - wall0);
}

}  // namespace

int runInGameFigures(int argc, char** argv) {
  QApplication app(argc, argv);
  GameApp pentaro;
  pentaro.start();
  if (!QTest::qWaitForWindowExposed(&pentaro.window)) return 1;
  idleCpuPercent(500);
  GameWindow& game = pentaro.game;
  MainWindow& window = pentaro.window;

  std::printf("CPU, share of one core\n");
  std::printf("  at rest, no game            %6.2f %%\n", idleCpuPercent(5000));

  // The first advice of a game, asked after a player's few seconds on the
  // names: the table is worked out meanwhile, from the moment they open.
  const double namesOpen = monotonicMs();
  double tableReady = 0;
  window.play({Move::Start});
  strategyTable().whenReady(&window, [&](const auto&) { tableReady = monotonicMs(); });
  const double onNames = 3000;
  idleCpuPercent(int(onNames));
  game.board.Text1.setText("bench");
  window.play({Move::ConfirmName});
  AdviceRequest& advice = window.aids().advice();
  const double asked = monotonicMs();
  advice.ask();
  if (!QTest::qWaitFor([&] { return advice.state() == AdviceRequest::State::Shown; }, 60000))
    return 1;
  std::printf("First advice of a game, asked %.0f s after the names opened\n", onNames / 1000);
  std::printf("  shown after %.1f ms   (table ready %.0f ms after the names opened; load %.2f)\n",
              monotonicMs() - asked, (tableReady ? tableReady : monotonicMs()) - namesOpen,
              loadAverage());
  advice.dismiss();
  idleCpuPercent(1000);  // the start-of-game sound settles first
  std::printf("  game waiting for a throw    %6.2f %%   (turn timer running)\n",
              idleCpuPercent(5000));

  // The first throw pays for what is loaded once (sounds, die pictures); a
  // later one shows what every throw costs.
  for (const char* which : {"first throw", "second throw"}) {
    const double cpu0 = cpuMs(), wall0 = monotonicMs();
    window.play({Move::Throw});
    const double wall = monotonicMs() - wall0;
    std::printf("  during the %-17s%6.2f %%   (%.0f ms of animation, %.0f ms CPU)\n", which,
                100.0 * (cpuMs() - cpu0) / wall, wall, cpuMs() - cpu0);
    idleCpuPercent(1000);
  }
  std::printf("  dice on the tray, waiting   %6.2f %%\n", idleCpuPercent(5000));

  std::vector<double> lengths;
  for (int i = 0; i < 20; ++i) {
    const double t0 = monotonicMs();
    game.Pausa(0.1);
    lengths.push_back(monotonicMs() - t0);
  }
  std::sort(lengths.begin(), lengths.end());
  std::printf("Pausa(0.1), real length over 20 waits\n");
  std::printf("  min %.1f ms   median %.1f ms   max %.1f ms\n", lengths.front(),
              lengths[lengths.size() / 2], lengths.back());

  BoardWidget& board = *window.boardWidget();
  const int paints = 50;
  QElapsedTimer t;
  t.start();
  for (int i = 0; i < paints; ++i) board.repaint();
  const double whole = t.nsecsElapsed() / 1e6 / paints;
  const QRect prompt = BoardWidget::toPixels(game.board.TiroF.windowRect());
  t.restart();
  for (int i = 0; i < paints; ++i) board.repaint(prompt);
  const double small = t.nsecsElapsed() / 1e6 / paints;
  std::printf("Painting the board\n");
  std::printf("  whole board %.2f ms   one blinking frame %.3f ms\n", whole, small);
  return 0;
}
