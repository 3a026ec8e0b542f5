// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"

namespace {

TEST_F(GameTest, OpensAtRestWithRecordMinisAndFirstThrowCaption) {
  GameWindow& g = open();
  EXPECT_EQ(g.NumTiro, 1);
  EXPECT_EQ(g.board.tira.caption(), "1\xC2\xB0 TIRO");
  EXPECT_FALSE(g.board.tira.visible());
  for (int k = 0; k < 6; ++k) {
    ASSERT_TRUE(g.board.mini[k].picture());
    EXPECT_EQ(g.board.mini[k].picture()->source, "MC0000" + std::to_string(k + 1));
    EXPECT_TRUE(g.board.mini[k].visible());
  }
  EXPECT_EQ(g.board.NomeRecord.caption(), "CAMPIONE");
  EXPECT_EQ(g.board.PuntiRecord.caption(), "120");
  for (const PictureBox& d : g.board.dado) EXPECT_FALSE(d.visible());
  EXPECT_FALSE(g.board.Label2.visible() || g.board.OK.visible() || g.board.GameOver2.visible());
  EXPECT_EQ(g.board.Image1.picture()->source, "bitmap 103");
  EXPECT_GE(platform.onTop, 1);
  EXPECT_FALSE(std::filesystem::exists(data("MC00000.ICO")));
  EXPECT_FALSE(std::filesystem::exists(data("MCRC01.RCX")));
}

TEST_F(GameTest, NextTurnPreparationKeepsTheGame) {
  GameWindow& g = started();
  g.board.PUNTI[3].setCaption("12");
  g.NumTurno = 4;
  g.tira_Click();
  ASSERT_TRUE(g.board.dado[0].visible() || g.NumTiro == 2);
  g.Form_Load();
  EXPECT_EQ(g.NumTiro, 1);
  EXPECT_EQ(g.SceltaAttiva, 0);
  for (const PictureBox& d : g.board.dado) EXPECT_FALSE(d.visible());
  EXPECT_EQ(g.board.PUNTI[3].caption(), "12");
  EXPECT_EQ(g.NumTurno, 4);
  EXPECT_EQ(g.NomeGiocatore[0], "ANNA");
  EXPECT_TRUE(g.board.tira.visible());
}

// A missing data folder, a missing die picture, or one that decodes to no
// picture at all: the game ends with the message of what is missing.
TEST_F(GameTest, MissingDataEndsWithItsMessage) {
  const std::string lost = "!!!\rLanciare il programma dalla Directory di installazione!";
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { writeFileBytes(data("MC00004.EMX"), ""); }, "FILE DANNEGGIATO O DATI NON TROVATI" + lost},
      {[&] { std::filesystem::remove(data("MC00004.EMX")); }, "FILE DANNEGGIATO O DATI NON TROVATI" + lost},
      {[&] { std::filesystem::remove_all(folder / "Dati"); },
       "FILE RECORD DANNEGGIATO O NON TROVATO" + lost + "\rSe non funziona, reinstallare il programma!"},
  };
  for (const auto& [damage, message] : cases) {
    damage();
    try {
      open();
      ADD_FAILURE() << "the game went on without its data";
    } catch (const FatalExit& e) {
      EXPECT_EQ(e.title, "PROGRAMA ARRESTATO");
      EXPECT_EQ(e.text, message);
    }
  }
}

}  // namespace
