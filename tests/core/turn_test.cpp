// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "game_fixture.h"

namespace {

int diceOnTray(const GameWindow& g) {
  return static_cast<int>(std::count(g.Occupato.begin(), g.Occupato.begin() + 18, true));
}
int heldDice(const GameWindow& g) {
  return static_cast<int>(std::count(g.Tenuto.begin(), g.Tenuto.begin() + 5, true));
}

class TurnTest : public GameTest {
 protected:
  // Throws five dice onto the given places, faces 1, 2, 3, 4, 5.
  void throwOnto(std::initializer_list<int> places) {
    int face = 1;
    for (int p : places) platform.scriptDie(p, face++);
    game->tira_Click();
  }
  // Selects tray dice and confirms "TIENI" as the player would.
  void hold(std::initializer_list<int> places) {
    for (int p : places) game->dado_Click(p);
    tick(2);
    ASSERT_EQ(game->board.Label2.caption(), "TIENI");
    ASSERT_TRUE(game->board.Label2.visible());
    game->Label2_Click();
  }
};

TEST_F(TurnTest, FirstThrowPutsFiveDiceOnDistinctPlaces) {
  GameWindow& g = started();
  throwOnto({3, 9, 0, 17, 12});
  EXPECT_EQ(g.NumTiro, 2);
  EXPECT_EQ(g.board.tira.caption(), "2\xC2\xB0 TIRO");
  EXPECT_TRUE(g.board.tira.visible());
  EXPECT_EQ(diceOnTray(g), 5);
  for (int p : {3, 9, 0, 17, 12}) EXPECT_TRUE(g.board.dado[p].visible()) << p;
  EXPECT_EQ(g.FacciaPos[17], 4);
  EXPECT_EQ(g.board.dado[17].picture()->source, "MC00004");
  EXPECT_EQ(g.board.Image1.picture()->source, "bitmap 101");
  // Nine rattles, the tray opening; 5 short and 4 long waits.
  std::vector<std::string> expected(9, "fx02.wav");
  expected.push_back("fx01.wav");
  EXPECT_EQ(platform.sounds, expected);
  EXPECT_EQ(platform.waitLengths,
            (std::vector<double>{0.1, 0.3, 0.1, 0.3, 0.1, 0.3, 0.1, 0.3, 0.1}));
}

TEST_F(TurnTest, RotationDrawPicksThePictureFile) {
  GameWindow& g = started();
  platform.scriptDie(5, 6, 4);  // face 6 at 90 degrees
  for (int p : {1, 2, 3, 4}) platform.scriptDie(p, 1, 6);
  g.tira_Click();
  EXPECT_EQ(g.board.dado[5].picture()->source, "MC09006");
  EXPECT_EQ(g.board.dado[1].picture()->source, "MC15001");
}

TEST_F(TurnTest, HeldDiceKeepTheirPlacesReservedAcrossThrows) {
  GameWindow& g = started();
  throwOnto({1, 3, 5, 7, 9});
  hold({7, 3});
  EXPECT_EQ(heldDice(g), 2);
  EXPECT_EQ(g.PosDado[0], 3);  // mat order, lowest slots first
  EXPECT_EQ(g.PosDado[1], 7);
  EXPECT_EQ(g.ValoreDado[0], 2);
  EXPECT_EQ(g.ValoreDado[1], 4);
  EXPECT_EQ(g.board.tieni[1].picture()->source, "MC00004");
  EXPECT_EQ(std::count(platform.sounds.end() - 2, platform.sounds.end(), "fx01.wav"), 2);

  // Draws landing on a reserved place are drawn again.
  platform.scripted = {(3 + 0.5) / 18, (7 + 0.5) / 18};
  for (int p : {2, 4, 6}) platform.scriptDie(p, 6);
  g.tira_Click();
  EXPECT_EQ(diceOnTray(g), 3);
  EXPECT_FALSE(g.Occupato[3]);
  EXPECT_FALSE(g.Occupato[7]);
  for (int p : {2, 4, 6}) EXPECT_TRUE(g.Occupato[p]);
}

TEST_F(TurnTest, AllFiveHeldStillAnimatesAndCounts) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  hold({0, 1, 2, 3, 4});
  EXPECT_EQ(heldDice(g), 5);
  platform.sounds.clear();
  g.tira_Click();
  EXPECT_EQ(diceOnTray(g), 0);
  EXPECT_EQ(g.NumTiro, 3);
  EXPECT_EQ(platform.sounds.size(), 10u);
}

TEST_F(TurnTest, DiscardPutsTheDieBackWhereItLay) {
  GameWindow& g = started();
  platform.scriptDie(8, 6, 3);
  for (int p : {0, 1, 2, 3}) platform.scriptDie(p, 1);
  g.tira_Click();
  const PictureRef before = g.board.dado[8].picture();
  hold({8});
  EXPECT_FALSE(g.board.dado[8].visible());
  g.tieni_Click(0);
  tick(2);
  EXPECT_EQ(g.board.Label2.caption(), "SCARTA");
  g.Label2_Click();
  EXPECT_TRUE(g.board.dado[8].visible());
  EXPECT_EQ(g.board.dado[8].picture(), before);  // same face, same rotation
  EXPECT_TRUE(g.Occupato[8]);
  EXPECT_FALSE(g.PosDado[0]);
  EXPECT_FALSE(g.board.tieni[0].visible());
  EXPECT_EQ(diceOnTray(g) + heldDice(g), 5);
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
  g.dado_Click(10);  // nothing lies there
  EXPECT_FALSE(g.board.filtro[10].visible());
}

TEST_F(TurnTest, ThirdThrowGathersTheHandInMatOrder) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  hold({2});
  throwOnto({5, 6, 7, 8});
  platform.waitLengths.clear();
  for (int p : {14, 9, 1, 17}) platform.scriptDie(p, p % 6 + 1);
  g.tira_Click();
  EXPECT_EQ(g.NumTiro, 4);
  EXPECT_EQ(g.SceltaAttiva, 1);
  EXPECT_EQ(platform.waitLengths.back(), 1);
  // Slot 0 keeps the held 3; the tray dice fill 1 to 4 by mat position.
  EXPECT_EQ(g.ValoreDado[0], 3);
  EXPECT_EQ(
      (std::array<int, 4>{g.ValoreDado[1], g.ValoreDado[2], g.ValoreDado[3], g.ValoreDado[4]}),
      (std::array<int, 4>{2, 4, 3, 6}));
  for (const PictureBox& d : g.board.dado) EXPECT_FALSE(d.visible());
  for (const PictureBox& t : g.board.tieni) EXPECT_TRUE(t.visible());
  EXPECT_EQ(heldDice(g), 0);
  EXPECT_FALSE(g.board.tira.visible());
  EXPECT_EQ(g.board.List1.ListCount(), 5u);
  EXPECT_EQ(g.board.List1.List(0), "2");
}

TEST_F(TurnTest, StopEndsThrowingAndBlocksTheDice) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  tick();
  EXPECT_FALSE(g.board.Label29.visible());  // nothing held: no stop on offer
  hold({4});
  tick();
  EXPECT_TRUE(g.board.Label29.visible());
  g.Label29_Click();
  EXPECT_EQ(g.NumTiro, 5);
  EXPECT_EQ(g.SceltaAttiva, 1);
  tick();
  EXPECT_FALSE(g.board.Label29.visible());
  g.dado_Click(0);
  g.tieni_Click(0);
  tick(2);
  EXPECT_FALSE(g.board.Label2.visible());
}

TEST_F(TurnTest, StoppingWithAHeldDieSelectedOffersNoDiscard) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  hold({0, 1});
  g.tieni_Click(1);
  tick(2);
  ASSERT_EQ(g.board.Label2.caption(), "SCARTA");
  g.Label29_Click();
  tick(3);
  EXPECT_FALSE(g.board.Label2.visible());
  EXPECT_FALSE(g.board.Timer1.Enabled);
}

TEST_F(TurnTest, PromptsFollowSelectionsTickByTick) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  tick();
  EXPECT_FALSE(g.board.Timer1.Enabled);
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
  EXPECT_FALSE(g.board.Label2.visible());
  EXPECT_FALSE(g.board.tieniF.visible());
  EXPECT_FALSE(g.board.Timer1.Enabled);
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
  const auto frameRuns = runs(frame), stopRuns = runs(stop);
  ASSERT_GE(frameRuns.size(), 3u);
  EXPECT_EQ(frameRuns[1], 51);
  EXPECT_EQ(stopRuns[1], 26);
  EXPECT_EQ(stopRuns[2], 26);
  EXPECT_TRUE(stop[30] == colors::green || stop[30] == colors::blue);
}

TEST_F(TurnTest, QuietTickDrawsNothing) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  hold({1});
  tick(3);
  g.board.takeDirty();
  g.ContaLampA = 0;
  g.ContaLampTiro = 0;
  g.Timer2_Timer();
  EXPECT_TRUE(g.board.takeDirty().empty());
}

TEST_F(TurnTest, NewGameForgetsWhereTheLastGameHeldItsDice) {
  GameWindow& g = started();
  throwOnto({1, 3, 5, 7, 9});
  hold({7, 3});
  g.basta_Click();
  g.Gioca_Click();
  g.board.Text1.setText("anna");
  g.Label1_Click();
  for (const auto& place : g.PosDado) EXPECT_FALSE(place);
  // The first throw may land where the abandoned game's held dice came from.
  throwOnto({7, 3, 0, 1, 2});
  for (int p : {7, 3, 0, 1, 2}) EXPECT_TRUE(g.Occupato[p]) << p;
}

TEST_F(TurnTest, AbortDuringTheRollStopsTheThrow) {
  GameWindow& g = started();
  platform.duringWait = [&] { g.basta_Click(); };
  g.tira_Click();
  EXPECT_EQ(diceOnTray(g), 0);
  for (const PictureBox& d : g.board.dado) EXPECT_FALSE(d.visible());
  for (const Shape& f : g.board.filtro) EXPECT_TRUE(f.visible());
  EXPECT_FALSE(g.board.tira.visible());
  EXPECT_EQ(platform.waits, 1);  // no further frame after the abort
  EXPECT_TRUE(g.board.GameOver2.visible());
  EXPECT_TRUE(g.board.Gioca.Enabled);
  // Nothing on the board acts until the next game.
  g.tira_Click();
  g.Label29_Click();
  g.PUNTI_Click(0);
  EXPECT_EQ(diceOnTray(g), 0);
  EXPECT_EQ(platform.waits, 1);
}

TEST_F(TurnTest, AbortDuringTheGatheringWaitLeavesTheBoardAlone) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  hold({0});
  platform.duringWait = [&] { g.basta_Click(); };
  g.Label29_Click();
  for (const PictureBox& t : g.board.tieni) EXPECT_FALSE(t.visible());
  EXPECT_EQ(g.board.List1.ListCount(), 0u);
  g.PUNTI_Click(12);
  EXPECT_EQ(g.board.PUNTI[12].caption(), "");
  // A new game starts clean and its first throw works.
  g.Gioca_Click();
  g.board.Text1.setText("carla");
  g.Label1_Click();
  throwOnto({10, 11, 12, 13, 14});
  EXPECT_EQ(diceOnTray(g), 5);
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
  for (int p : {5, 6, 7, 8}) platform.scriptDie(p, 2);
  g.tira_Click();
  EXPECT_FALSE(g.board.filtroT[0].visible());
  EXPECT_EQ(g.NumTiro, 3);
  EXPECT_EQ(g.SceltaAttiva, 0);
  EXPECT_EQ(diceOnTray(g) + heldDice(g), 5);
}

TEST_F(GameTest, ClosingDuringAWaitEndsTheThrowQuietly) {
  GameWindow& g = started();
  platform.duringWait = [&] { g.Close(); };
  g.tira_Click();
  EXPECT_EQ(platform.waits, 1);
  EXPECT_FALSE(g.board.Timer2.Enabled);
}

TEST_F(GameTest, WaitsOfNoLengthHandleNoEvents) {
  GameWindow& g = open();
  g.Pausa(0);
  g.Attesa(-1);
  EXPECT_EQ(platform.waits, 0);
  g.Pausa(0.1);
  EXPECT_EQ(platform.waits, 1);
}

}  // namespace

namespace {

// The window lets quiet ticks pass unseen: they must really change nothing.
TEST_F(TurnTest, QuietTicksChangeNothingAndTheNextOneMay) {
  GameWindow& g = started();
  throwOnto({0, 1, 2, 3, 4});
  hold({3});
  int changesSeen = 0;
  for (int round = 0; round < 40; ++round) {
    g.Timer2_Timer();
    const int quiet = g.quietTurnTicks();
    g.board.takeDirty();
    const bool timer1 = g.board.Timer1.Enabled;
    for (int i = 0; i < quiet; ++i) g.Timer2_Timer();
    ASSERT_TRUE(g.board.takeDirty().empty()) << "round " << round;
    ASSERT_EQ(g.board.Timer1.Enabled, timer1);
    g.Timer2_Timer();
    if (!g.board.takeDirty().empty()) ++changesSeen;
  }
  EXPECT_EQ(changesSeen, 40);  // no change is ever skipped past
}

}  // namespace
