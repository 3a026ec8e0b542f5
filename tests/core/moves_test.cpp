// SPDX-License-Identifier: GPL-3.0-or-later
// Moves say truly what a click would do: a move is legal exactly when its
// element takes the click and its handler then changes the game.

#include "flow/moves.h"

#include <random>
#include <variant>

#include "game_fixture.h"

namespace {

using Step = std::variant<Move, int>;  // a move, or so many ticks of the timers

class Moves : public GameTest {
 protected:
  // A fresh game of one, started, then the steps so far.
  std::unique_ptr<GameWindow> replay(FakePlatform& p, const std::vector<Step>& steps) {
    auto g = std::make_unique<GameWindow>(p, folder.string());
    g->Form_Load();
    g->Gioca_Click();
    g->board.Text1.setText("anna");
    g->Label1_Click();
    for (const Step& s : steps) apply(*g, s);
    return g;
  }
  static void apply(GameWindow& g, const Step& s) {
    if (const Move* m = std::get_if<Move>(&s)) return play(g, *m);
    for (int i = 0; i < std::get<int>(s); ++i) {
      if (g.board.Timer2.Enabled) g.Timer2_Timer();
      if (g.board.Timer1.Enabled) g.Timer1_Timer();
    }
  }
  // What a handler may change, the board's looks included.
  static auto state(GameWindow& g) {
    return std::tuple(g.NumTiro, g.SceltaAttiva, g.CategoriaScelta, g.Occupato, g.Tenuto, g.PosDado,
                      g.NumTurno, g.playing(), !g.board.takeDirty().empty());
  }
};

TEST_F(Moves, LegalExactlyWhenTheClickReachesAHandlerThatActs) {
  std::mt19937 rng(7);
  std::vector<Step> steps;
  int checked = 0;
  for (int n = 0; n < 72; ++n) {
    FakePlatform p;
    auto g = replay(p, steps);
    if (!g->playing()) break;
    if (n % 6 == 0) {
      for (int k = Move::Throw; k <= Move::Accept; ++k)
        for (int i = 0; i < kTrayPlaces; ++i) {
          const Move m{static_cast<Move::Kind>(k), i};
          const Element* e = elementOf(g->board, m);
          if (!e) continue;
          if (!g->board.reachable(*e)) {
            EXPECT_FALSE(legal(*g, m)) << "move " << k << "," << i << " out of reach";
            continue;
          }
          FakePlatform q;
          auto h = replay(q, steps);
          h->board.takeDirty();
          const auto before = state(*h);
          play(*h, m);
          const bool acts = state(*h) != before;
          EXPECT_EQ(legal(*g, m), acts)
              << "move " << k << "," << i << " after " << steps.size() << " steps";
          ++checked;
        }
    }
    const std::vector<Move> moves = legalMoves(*g);
    ASSERT_FALSE(moves.empty());
    std::vector<Move> board;
    for (const Move& m : moves)
      if (m.kind < Move::OnePlayer) board.push_back(m);  // the menu would end the game
    steps.push_back(board[rng() % board.size()]);
    steps.push_back(1 + int(rng() % 15));
  }
  EXPECT_GT(checked, 200);
}

// While a throw or the gathering of the dice waits, only the menu plays.
TEST_F(Moves, NothingButTheMenuDuringAThrow) {
  GameWindow& g = started();
  std::vector<std::vector<Move>> during;
  std::function<void()> watch = [&] {
    tick();
    during.push_back(legalMoves(g));
    platform.duringWait = watch;
  };
  platform.duringWait = watch;
  for (int t = 0; t < 3; ++t) play(g, {Move::Throw});
  platform.duringWait = nullptr;
  ASSERT_EQ(during.size(), 9u * 3 + 1);  // the roll thrice, then the gathering
  for (const auto& moves : during) EXPECT_EQ(moves, std::vector<Move>{{Move::Abandon}});
  EXPECT_EQ(legalMoves(g).size(), kCategories + 1u);  // every box, and the menu
}

}  // namespace
