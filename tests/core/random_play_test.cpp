// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random click sequences, with clicks also landing inside the
// waits of a throw: the dice must always add up and an abandoned game must
// stay dead until the next one starts.

#include <algorithm>
#include <random>

#include "game_fixture.h"

namespace {

class RandomPlay : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    open();
    for (Element* e : game->board.order()) {
      elements.push_back(e);
      if (auto* panel = dynamic_cast<Panel*>(e))
        elements.insert(elements.end(), panel->children.begin(), panel->children.end());
    }
    for (Element* e : elements)
      if (e->Click) clickable.push_back(e);
  }

  // One thing a player can do; only what the window would deliver.
  void act() {
    Board& b = game->board;
    switch (rng() % 7) {
      case 0:
      case 1: {  // a click on whatever is visible and answers
        Element* e = clickable[rng() % clickable.size()];
        if (e->visible()) e->Click();
        break;
      }
      case 2: {
        Element* e = elements[rng() % elements.size()];
        if (e->visible() && e->MouseMove) e->MouseMove();
        if (e->visible() && e->DblClick && rng() % 4 == 0) e->DblClick();
        break;
      }
      case 3: {  // the menu
        MenuItem* items[] = {&b.Play1, &b.Play2, &b.Gioca, &b.basta};
        const int i = static_cast<int>(rng() % (rng() % 8 == 0 ? 4 : 3));
        if (!items[i]->Enabled) break;
        if (i == 0) game->Play1_Click();
        if (i == 1) game->Play2_Click();
        if (i == 2) {
          game->Gioca_Click();
          abandoned = false;
        }
        if (i == 3) {
          game->basta_Click();
          abandoned = true;
        }
        break;
      }
      case 4: {  // a name
        if (!b.Text1.visible()) break;
        const char* names[] = {"", "   ", "ugo", "Maria Rosa", "\303\221and\303\272"};
        b.Text1.setText(names[rng() % 5]);
        int key = 13;
        game->Text1_KeyPress(key);
        break;
      }
      default:
        tick(1 + rng() % 3);
    }
  }

  void check() {
    const GameWindow& g = *game;
    const int tray = diceOnTray(), held = heldDice();
    if (g.playing() && g.SceltaAttiva == 0 && g.NumTiro > 1) {
      ASSERT_EQ(tray + held, 5) << "throw " << g.NumTiro;
    }
    if (g.playing() && g.SceltaAttiva == 1 && g.board.List1.ListCount() == 5) {
      for (const PictureBox& t : g.board.tieni) ASSERT_TRUE(t.visible());
    }
    if (abandoned) {
      ASSERT_EQ(tray, 0);
      for (const PictureBox& d : g.board.dado) ASSERT_FALSE(d.visible());
      ASSERT_FALSE(g.board.tira.visible());
      ASSERT_FALSE(g.board.OK.visible());
      ASSERT_FALSE(g.board.Label29.visible());
      for (const Label& p : g.board.PUNTI) ASSERT_EQ(p.caption(), "");
    }
  }

  std::mt19937 rng{20261206};
  std::vector<Element*> elements, clickable;
  bool abandoned = false;
};

TEST_F(RandomPlay, DiceAddUpAndAbandonedGamesStayDead) {
  for (int sequence = 0; sequence < 4000; ++sequence) {
    for (int step = 0; step < 60; ++step) {
      if (rng() % 6 == 0) {
        // Something happens while the next wait runs, perhaps an abort.
        platform.duringWait = [this] {
          if (rng() % 5 == 0 && game->board.basta.Enabled) {
            game->basta_Click();
            abandoned = true;
          } else {
            act();
          }
        };
      }
      act();
      check();
      if (HasFatalFailure()) {
        ADD_FAILURE() << "sequence " << sequence << " step " << step;
        return;
      }
    }
  }
  // The walk must really play: games started, dice thrown, turns confirmed.
  auto heard = [this](const char* fx) {
    return std::count(platform.sounds.begin(), platform.sounds.end(), fx);
  };
  EXPECT_GT(heard("fx08.wav"), 100);
  EXPECT_GT(heard("fx02.wav"), 1000);
  EXPECT_GT(heard("fx07.wav"), 50);
}

}  // namespace
