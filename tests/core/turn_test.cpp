// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"

namespace {

using TurnTest = GameTest;

TEST_F(TurnTest, FirstThrowPutsFiveDiceOnDistinctPlaces) {
  GameWindow& g = started();
  platform.scriptDie(5, 6, 4);  // face 6 at 90 degrees
  for (int p : {9, 0, 17, 12}) platform.scriptDie(p, p % 6 + 1, 6);
  g.tira_Click();
  EXPECT_EQ(g.NumTiro, 2);
  EXPECT_EQ(g.board.tira.caption(), "2\xC2\xB0 TIRO");
  EXPECT_TRUE(g.board.tira.visible());
  EXPECT_EQ(diceOnTray(), 5);
  for (int p : {5, 9, 0, 17, 12}) EXPECT_TRUE(g.board.dado[p].visible()) << p;
  EXPECT_EQ(g.FacciaPos[17], 6);
  EXPECT_EQ(g.board.dado[5].picture()->source, "MC09006");
  EXPECT_EQ(g.board.dado[9].picture()->source, "MC15004");
  EXPECT_EQ(g.board.Image1.picture()->source, "bitmap 101");
  // Nine rattles, the tray opening; 5 short and 4 long waits.
  std::vector<std::string> expected(9, "fx02.wav");
  expected.push_back("fx01.wav");
  EXPECT_EQ(platform.sounds, expected);
  EXPECT_EQ(platform.waitLengths,
            (std::vector<double>{0.1, 0.3, 0.1, 0.3, 0.1, 0.3, 0.1, 0.3, 0.1}));
}

TEST_F(TurnTest, HeldDiceKeepTheirPlacesReservedAndGoBackThere) {
  GameWindow& g = started();
  throwOnto({1, 3, 5, 7, 9});
  hold({7, 3});
  EXPECT_EQ(heldDice(), 2);
  EXPECT_EQ(g.PosDado[0], 3);  // mat order, lowest slots first
  EXPECT_EQ(g.ValoreDado[1], 4);
  EXPECT_EQ(g.board.tieni[1].picture()->source, "MC00004");

  // Draws landing on a reserved place are drawn again.
  platform.scripted = {(3 + 0.5) / 18, (7 + 0.5) / 18};
  throwOnto({2, 4, 6}, {6, 6, 6});
  EXPECT_EQ(diceOnTray(), 3);
  EXPECT_FALSE(g.Occupato[3] || g.Occupato[7]);

  // "SCARTA" puts a held die back where it lay, with its face.
  g.tieni_Click(1);
  tick(2);
  ASSERT_EQ(g.board.Label2.caption(), "SCARTA");
  g.Label2_Click();
  EXPECT_TRUE(g.board.dado[7].visible() && g.Occupato[7]);
  EXPECT_EQ(g.board.dado[7].picture()->source.substr(6), "4");
  EXPECT_FALSE(g.board.tieni[1].visible() || g.PosDado[1]);
  EXPECT_EQ(diceOnTray() + heldDice(), 5);
}

TEST_F(TurnTest, SelectionsOnTrayAndHoldRowExcludeEachOther) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  hold({0});
  g.tieni_Click(0);
  EXPECT_TRUE(g.board.filtroT[0].visible());
  g.dado_Click(1);
  EXPECT_FALSE(g.board.filtroT[0].visible());
  EXPECT_TRUE(g.board.filtro[1].visible());
  g.tieni_Click(0);
  EXPECT_FALSE(g.board.filtro[1].visible());
  g.tieni_Click(0);
  EXPECT_FALSE(g.board.filtroT[0].visible());
}

TEST_F(TurnTest, ThirdThrowGathersTheHandInMatOrderAfterASecond) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  hold({2});
  throwOnto({5, 6, 7, 8});
  platform.waitLengths.clear();
  // While the hand is gathered, the turn timer offers no "FERMATI".
  bool stopOffered = false;
  std::function<void()> watch = [&] {
    if (g.SceltaAttiva == 0) return void(platform.duringWait = watch);
    tick(3);
    stopOffered = g.board.Label29.visible();
  };
  platform.duringWait = watch;
  throwOnto({14, 9, 1, 17}, {3, 4, 2, 6});
  EXPECT_FALSE(stopOffered);
  EXPECT_EQ(g.NumTiro, 4);
  EXPECT_EQ(g.SceltaAttiva, 1);
  EXPECT_EQ(platform.waitLengths.back(), 1);
  // Slot 0 keeps the held 3; the tray dice fill 1 to 4 by mat position.
  EXPECT_EQ(g.ValoreDado, (std::array<int, 5>{3, 2, 4, 3, 6}));
  for (const PictureBox& d : g.board.dado) EXPECT_FALSE(d.visible());
  for (const PictureBox& t : g.board.tieni) EXPECT_TRUE(t.visible());
  EXPECT_EQ(heldDice(), 0);
  EXPECT_FALSE(g.board.tira.visible());
  EXPECT_EQ(g.board.List1.ListCount(), 5u);
}

TEST_F(TurnTest, StopEndsThrowingAndBlocksTheDice) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  tick();
  EXPECT_FALSE(g.board.Label29.visible());  // nothing held: no stop on offer
  hold({4, 1});
  g.tieni_Click(1);  // a held die left selected
  tick(2);
  ASSERT_EQ(g.board.Label2.caption(), "SCARTA");
  EXPECT_TRUE(g.board.Label29.visible());
  bool stopShown = true;  // through the second before the hand is gathered
  platform.duringWait = [&] { stopShown = g.board.Label29.visible(); };
  g.Label29_Click();
  EXPECT_FALSE(stopShown);
  EXPECT_EQ(g.NumTiro, 5);
  EXPECT_EQ(g.SceltaAttiva, 1);
  tick(3);
  EXPECT_FALSE(g.board.Label29.visible() || g.board.Label2.visible());
  EXPECT_FALSE(g.board.Timer1.Enabled);
  g.dado_Click(0);
  g.tieni_Click(0);
  tick(2);
  EXPECT_FALSE(g.board.Label2.visible());
}

TEST_F(TurnTest, PromptsFollowSelectionsTickByTick) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  tick();
  g.dado_Click(2);
  EXPECT_FALSE(g.board.Label2.visible());
  g.Timer2_Timer();
  EXPECT_EQ(g.board.Label2.caption(), "TIENI");
  EXPECT_TRUE(g.board.Timer1.Enabled);
  EXPECT_FALSE(g.board.Label2.visible());  // shown by the blinker's first tick
  g.Timer1_Timer();
  EXPECT_TRUE(g.board.Label2.visible());
  EXPECT_EQ(*g.board.tieniF.fill(), colors::white);
  g.Timer1_Timer();
  EXPECT_EQ(*g.board.tieniF.fill(), colors::red);
  g.dado_Click(2);
  g.Timer2_Timer();
  EXPECT_FALSE(g.board.Label2.visible() || g.board.tieniF.visible() || g.board.Timer1.Enabled);
}

TEST_F(TurnTest, BlinkPhasesLast26And51Ticks) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  hold({0});
  std::vector<Color> frame, stop;
  for (int i = 0; i < 110; ++i) {
    g.Timer2_Timer();
    frame.push_back(*g.board.TiroF.fill());
    stop.push_back(*g.board.tieniF29.fill());
  }
  auto runs = [](const std::vector<Color>& seq) {
    std::vector<int> lengths{1};
    for (std::size_t i = 1; i < seq.size(); ++i) {
      if (seq[i] == seq[i - 1])
        ++lengths.back();
      else
        lengths.push_back(1);
    }
    return lengths;
  };
  // The first run is cut by wherever the counters stood; the next are whole.
  EXPECT_EQ(runs(frame)[1], 51);
  EXPECT_EQ(runs(stop)[1], 26);
  EXPECT_EQ(runs(stop)[2], 26);
}

// The window lets quiet ticks pass unseen: they must really change nothing.
TEST_F(TurnTest, QuietTicksChangeNothingAndTheNextOneMay) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  hold({3});
  for (int round = 0; round < 40; ++round) {
    g.Timer2_Timer();
    const int quiet = g.quietTurnTicks();
    g.board.takeDirty();
    const bool timer1 = g.board.Timer1.Enabled;
    for (int i = 0; i < quiet; ++i) g.Timer2_Timer();
    ASSERT_TRUE(g.board.takeDirty().empty()) << "round " << round;
    ASSERT_EQ(g.board.Timer1.Enabled, timer1);
    g.Timer2_Timer();
    ASSERT_FALSE(g.board.takeDirty().empty()) << "round " << round;  // never skipped past
  }
}

TEST_F(TurnTest, NewGameForgetsWhereTheLastGameHeldItsDice) {
  GameWindow& g = started();
  throwOnto({1, 3, 5, 7, 9});
  hold({7, 3});
  g.basta_Click();
  g.Gioca_Click();
  g.board.Text1.setText("anna");
  g.Label1_Click();
  // The first throw may land where the abandoned game's held dice came from.
  throwOnto({7, 3, 0, 1, 2});
  for (int p : {7, 3, 0, 1, 2}) EXPECT_TRUE(g.Occupato[p]) << p;
}

// "Interrompi" in the middle of a wait, of the roll or of the gathering: the
// throw gives up and nothing on the board acts until the next game.
TEST_F(TurnTest, AbortDuringAWaitStopsTheThrow) {
  for (bool gathering : {false, true}) {
    SCOPED_TRACE(gathering ? "gathering" : "roll");
    GameWindow& g = started();
    if (gathering) {
      throwOnto({0, 1, 2, 3, 4});
      hold({0});
    }
    const int waitsBefore = platform.waits;
    platform.duringWait = [&] { g.basta_Click(); };
    gathering ? g.Label29_Click() : g.tira_Click();
    EXPECT_EQ(platform.waits, waitsBefore + 1);  // no further frame after the abort
    EXPECT_EQ(diceOnTray(), 0);
    for (const PictureBox& d : g.board.dado) EXPECT_FALSE(d.visible());
    for (const PictureBox& t : g.board.tieni) EXPECT_FALSE(t.visible());
    for (const Shape& f : g.board.filtro) EXPECT_TRUE(f.visible());
    EXPECT_FALSE(g.board.tira.visible());
    EXPECT_TRUE(g.board.GameOver2.visible() && g.board.Gioca.Enabled);
    g.tira_Click();
    g.Label29_Click();
    g.PUNTI_Click(12);
    EXPECT_EQ(g.board.PUNTI[12].caption(), "");
    EXPECT_EQ(platform.waits, waitsBefore + 1);
  }
}

TEST_F(TurnTest, TurnInputWaitsWhileTheDiceRoll) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  hold({0});
  platform.duringWait = [&] {
    g.tieni_Click(0);
    g.Label29_Click();
    g.tira_Click();
  };
  throwOnto({5, 6, 7, 8});
  EXPECT_FALSE(g.board.filtroT[0].visible());
  EXPECT_EQ(g.NumTiro, 3);
  EXPECT_EQ(g.SceltaAttiva, 0);
  EXPECT_EQ(diceOnTray() + heldDice(), 5);
}

}  // namespace
