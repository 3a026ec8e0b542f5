// SPDX-License-Identifier: GPL-3.0-or-later
// Memory over a long session: whole games played one after another in one
// process, through the real window. Clicks and keys go to the board widget
// and the name field as a player's would, the dice come from the game's own
// random generator, and every wait draws the board and handles what is
// pending before the clock moves on to its deadline, so a game takes a
// fraction of a second instead of minutes. The turn timer's tick and the
// hold prompt's blink, which a player would wait for, are run at once.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "desktop/board_widget.h"
#include "desktop/game_app.h"
#include "flow/moves.h"
#include "measure.h"

namespace {

// The clock jumps over the rest of every wait once the window is up to date.
class QuickWaits : public QtPlatform {
 public:
  double monotonicSeconds() override { return QtPlatform::monotonicSeconds() + skipped_; }
  void runEventLoopUntil(double deadline) override {
    QtPlatform::runEventLoopUntil(monotonicSeconds());  // brings the window up to date
    QCoreApplication::processEvents();
    skipped_ += std::max(0.0, deadline - monotonicSeconds());
  }

 private:
  double skipped_ = 0;
};

// Resident memory now, from the kernel's own count.
double residentMiB() {
  QFile statm("/proc/self/statm");
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.size() > 1 ? fields[1].toDouble() * getpagesize() / (1024.0 * 1024.0) : 0;
}

class Player {
 public:
  explicit Player(GameApp& app) : app_(app), b_(app.game.board), rng_(20260101) {}

  // One game from the menu to "GAME OVER", or abandoned on the way.
  // Returns false when it was abandoned.
  bool playGame(int players, bool abandon) {
    menu(players == 1 ? "1 Giocatore" : "2 Giocatori");
    menu("Inizia");
    for (int p = 0; p < players; ++p) {
      QLineEdit* field = app_.window.nameField();
      QTest::keyClicks(field, p == 0 ? "anna" : "bruno");
      QTest::keyClick(field, Qt::Key_Return);
    }
    const int abandonAt = abandon ? static_cast<int>(rng_() % 13) : -1;
    for (int turn = 0; app_.game.playing(); ++turn) {
      if (turn == abandonAt) {
        menu("Interrompi");
        return false;
      }
      playTurn();
    }
    return true;
  }

 private:
  // Picks among the legal moves of a kind, as a player who looks at the board would.
  std::vector<Move> legalOf(Move::Kind kind) {
    std::vector<Move> found;
    for (const Move& m : legalMoves(app_.game))
      if (m.kind == kind) found.push_back(m);
    return found;
  }

  void playTurn() {
    GameWindow& g = app_.game;
    while (g.playing() && g.SceltaAttiva == 0) {
      click({Move::Throw});
      if (g.SceltaAttiva == 1) break;
      if (rng_() % 40 == 0) doubleClick(b_.Image2);
      for (const Move& die : legalOf(Move::TrayDie))
        if (rng_() % 3 == 0) click(die);
      tick();
      if (b_.Label2.caption() == "TIENI" && legal(g, {Move::HoldOrDiscard}))
        click({Move::HoldOrDiscard});
      if (rng_() % 6 == 0) {
        if (const std::vector<Move> held = legalOf(Move::HeldDie); !held.empty()) click(held[0]);
        tick();
        if (b_.Label2.caption() == "SCARTA" && legal(g, {Move::HoldOrDiscard}))
          click({Move::HoldOrDiscard});
      }
      tick();
      if (legal(g, {Move::Stop}) && rng_() % 4 == 0) click({Move::Stop});
    }
    // A free box, sometimes moved to another, then "ACCETTA" (the last
    // entry of a game needs none).
    for (int tries = rng_() % 3 == 0 ? 2 : 1; tries > 0 && g.playing(); --tries) {
      const std::vector<Move> free = legalOf(Move::Box);
      if (free.empty()) break;
      const Move box = free[rng_() % free.size()];
      QTest::mouseMove(&widget(), centre(*elementOf(b_, box)));
      click(box);
    }
    if (legal(g, {Move::Accept})) click({Move::Accept});
  }

  BoardWidget& widget() { return *app_.window.boardWidget(); }
  QPoint centre(const Element& e) { return BoardWidget::toPixels(e.windowRect()).center(); }

  // The move played as the mouse plays it: a click in the middle of its element.
  void click(const Move& m) {
    const Element& e = *elementOf(b_, m);
    if (!legal(app_.game, m)) {
      std::fprintf(stderr, "%s is no move now\n", e.name().c_str());
      std::exit(2);
    }
    QTest::mouseClick(&widget(), Qt::LeftButton, {}, centre(e));
    QCoreApplication::processEvents();
  }
  void doubleClick(const Element& e) {
    QWidget& window = app_.window;
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
                       widget().mapTo(&window, centre(e)));
    QCoreApplication::processEvents();
  }
  void tick() {
    GameWindow& g = app_.game;
    app_.window.run([&] { g.Timer2_Timer(); });
    if (b_.Timer1.Enabled) app_.window.run([&] { g.Timer1_Timer(); });
    QCoreApplication::processEvents();
  }
  void menu(const QString& caption) {
    for (QAction* a : app_.window.menuBar()->actions().first()->menu()->actions())
      if (a->text() == caption) a->trigger();
    QCoreApplication::processEvents();
  }

  GameApp& app_;
  Board& b_;
  std::mt19937 rng_;
};

}  // namespace

int runLongSession(int argc, char** argv, int games) {
  QApplication app(argc, argv);
  GameApp pentaro(std::make_unique<QuickWaits>());
  pentaro.start();
  if (!QTest::qWaitForWindowExposed(&pentaro.window)) return 1;
  Player player(pentaro);

  std::printf("Memory over a long session (%d whole games, one process)\n", games);
  std::printf("  %6s %9s %12s %12s %8s\n", "games", "abandoned", "peak MiB", "resident MiB",
              "seconds");
  const double start = monotonicMs();
  double peakAt10 = 0;
  int whole = 0, abandoned = 0;
  for (int n = 0; whole < games; ++n) {
    const bool wasWhole = player.playGame(n % 2 == 0 ? 1 : 2, n % 10 == 9);
    if (!wasWhole) {
      ++abandoned;
      continue;
    }
    ++whole;
    if (whole == 10) peakAt10 = peakMiB();
    if (whole == 10 || whole % 100 == 0 || whole == games) {
      std::printf("  %6d %9d %12.2f %12.2f %8.1f\n", whole, abandoned, peakMiB(), residentMiB(),
                  (monotonicMs() - start) / 1000);
      std::fflush(stdout);
    }
  }
  std::printf("  peak growth from 10 to %d games: %+.2f MiB\n", games, peakMiB() - peakAt10);
  return 0;
}
