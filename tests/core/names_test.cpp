// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"

namespace {

TEST_F(GameTest, OnePlayerNameStartsTheGame) {
  GameWindow& g = open();
  g.Gioca_Click();
  EXPECT_FALSE(g.board.Gioca.Enabled || g.board.Play1.Enabled || g.board.tira.visible());
  EXPECT_EQ(g.board.nome2.caption(), "Nome Giocatore 1");

  int enter = 13;
  g.board.Text1.setText("   ");
  g.Text1_KeyPress(enter);
  EXPECT_EQ(enter, 0);
  EXPECT_TRUE(g.board.Text1.visible());  // refused without a word

  g.board.Text1.setText(" luca");
  enter = 13;
  g.Text1_KeyPress(enter);
  EXPECT_FALSE(g.board.Text1.visible());
  EXPECT_EQ(g.board.PLAYER.caption(), " LUCA");
  EXPECT_EQ(g.NomeGiocatore[0], " LUCA");
  EXPECT_TRUE(g.board.tira.visible() && g.board.Timer2.Enabled && !g.board.nom2.visible());
  EXPECT_EQ(platform.sounds, std::vector<std::string>{"fx08.wav"});
}

TEST_F(GameTest, TwoPlayersAreAskedInTurn) {
  GameWindow& g = open();
  g.Play2_Click();
  EXPECT_TRUE(g.board.nom2.visible());
  EXPECT_EQ(g.board.nom2P.caption(), "0");
  g.Gioca_Click();
  g.board.Text1.setText("anna");
  g.Label1_Click();
  EXPECT_EQ(g.board.nome2.caption(), "Nome Giocatore 2");
  EXPECT_EQ(g.board.Text1.text(), "");
  EXPECT_FALSE(g.board.tira.visible());
  EXPECT_TRUE(platform.sounds.empty());
  g.board.Text1.setText("bruno");
  g.Label1_Click();
  EXPECT_EQ(g.board.PLAYER.caption(), "ANNA");
  EXPECT_EQ(g.board.nom2.caption(), "BRUNO");
  EXPECT_EQ(g.Giocatore, 1);
  EXPECT_EQ(platform.sounds, std::vector<std::string>{"fx08.wav"});
}

TEST_F(GameTest, MenuChoosesPlayersAndAbortResetsIt) {
  GameWindow& g = open();
  g.Play2_Click();
  g.Play1_Click();
  EXPECT_TRUE(g.board.Play1.Checked);
  EXPECT_FALSE(g.board.Play2.Checked);
  EXPECT_FALSE(g.board.nom2_1.visible());
  g.Play2_Click();
  g.Gioca_Click();
  EXPECT_EQ(g.NumGiocatori, 2);
  g.basta_Click();
  EXPECT_FALSE(g.board.Text1.visible());
  EXPECT_FALSE(g.board.nom2.visible());
  EXPECT_TRUE(g.board.Play1.Checked);
  EXPECT_TRUE(g.board.Gioca.Enabled && g.board.Play2.Enabled);
  g.Gioca_Click();
  EXPECT_EQ(g.NumGiocatori, 1);
  for (const Shape& f : g.board.filtro) EXPECT_FALSE(f.visible());
  EXPECT_FALSE(g.board.GameOver2.visible());
}

}  // namespace
